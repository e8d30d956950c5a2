// SPDX-License-Identifier: AGPL-3.0-or-later
#include <sstream>

#include <gtest/gtest.h>

#include "Batch.h"
#include "ChartFormat.h"
#include "ChartRequest.h"

namespace {

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(Batch, BadLinesGiveErrorLinesAndTheBatchGoesOn)
{
    std::istringstream in("# header\n"
                          "01.01.2000,12:00,0,000:00,E\n"
                          "\n"
                          "31.02.2023,12:00,5,060:36,E\n"
                          "01.01.4000,12:00,5,060:36,E\r\n"
                          "10.10.2009,10:04,1,089:00,E\n");
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out, {}).Status, 1);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "01.01.2000,12:00,0,000:00,E,ЗЕМ ОГО,ЗЕМ ОГО,ОГО ВОД,зем дер,957813462,624579138");
    EXPECT_EQ(lines[1], "31.02.2023,12:00,5,060:36,E,error,\"date \"\"31.02.2023\"\" does not exist\"");
    EXPECT_EQ(lines[2], "01.01.4000,12:00,5,060:36,E,error,the date is outside the range of the ephemeris");
    EXPECT_TRUE(lines[3].starts_with("10.10.2009,10:04,1,089:00,E,МЕТ МЕТ,")) << lines[3];
}

TEST(Batch, AllGoodLinesExitZeroAndJsonHasEveryKey)
{
    std::istringstream in("01.01.2000,12:00,0,000:00,E\n");
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out, {.Json = true}).Status, 0);
    const std::string json = out.str();
    EXPECT_EQ(json.rfind("{\"input\":\"01.01.2000,12:00,0,000:00,E\",\"pillars\":{\"hour\":[\"ЗЕМ\",\"ОГО\"],"
                         "\"day\":[\"ЗЕМ\",\"ОГО\"],\"month\":[\"ОГО\",\"ВОД\"],\"year\":[\"зем\",\"дер\"]},"
                         "\"yearSquare\":[[9,5,7],[8,1,3],[4,6,2]],\"monthSquare\":[[6,2,4],[5,7,9],[1,3,8]],"
                         "\"solarYear\":1999,\"solarMonth\":11,\"squareYear\":1999,\"chartJD\":2451545.04",
                         0),
              0u)
        << json;
}

TEST(Batch, JsonStringsAreAlwaysValid)
{
    EXPECT_EQ(Dumped(TextJson("a\"b\\c\td\n")), "\"a\\\"b\\\\c\\td\xEF\xBF\xBD\"");
    EXPECT_EQ(Dumped(TextJson("ДЕР")), "\"ДЕР\"");
    EXPECT_EQ(Dumped(TextJson("x\xff\xd0y")), "\"x\xEF\xBF\xBD\xEF\xBF\xBDy\"");
    std::istringstream in("\"bad\",line\n");
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out, {.Json = true}).Status, 1);
    EXPECT_TRUE(out.str().starts_with("{\"input\":\"\\\"bad\\\",line\",\"error\":")) << out.str();
}

TEST(Batch, ErrorLinesKeepTheirColumns)
{
    std::istringstream in("\xEF\xBB\xBF"
                          "01.01.24,12:00,5,060:36,E\n"
                          "01.01.2000,12:00\n"
                          "a,b,c,d,e,\"f\"\n");
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out, {.Header = true}).Status, 1);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], CsvHeader);
    EXPECT_EQ(lines[1],
              "01.01.24,12:00,5,060:36,E,error,"
              "\"year \"\"24\"\" of date \"\"01.01.24\"\" is not four digits\"")
        << "the byte-order mark is skipped";
    EXPECT_EQ(lines[2],
              "01.01.2000,12:00,,,,error,"
              "\"line \"\"01.01.2000,12:00\"\" is not DD.MM.YYYY,HH:MM,CORR,DDD:MM,H\"");
    EXPECT_TRUE(lines[3].starts_with("a,b,c,d,\"e,\"\"f\"\"\",error,")) << lines[3];
}

TEST(Batch, ALineOverTheLimitIsAnErrorNamingIt)
{
    const std::string huge(3'000'000, '9');
    std::istringstream in(huge + "\n01.01.2000,12:00,0,000:00,E\n");
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out, {.Json = true}).Status, 1);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "{\"input\":\"" + std::string(1000, '9') + "\",\"error\":\"line is longer than 1000 bytes\"}");
    EXPECT_TRUE(lines[1].starts_with("{\"input\":\"01.01.2000,12:00,0,000:00,E\",\"pillars\""));

    // A cut inside a character: the echo ends before it, with nothing from
    // after the cut.
    std::istringstream split(std::string(999, 'x') + "яAAAA\n");
    std::ostringstream echoed;
    RunBatch(split, echoed, {});
    EXPECT_EQ(echoed.str(), std::string(999, 'x') + ",,,,,error,line is longer than 1000 bytes\n");
}
