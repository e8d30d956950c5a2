#include <sstream>

#include <gtest/gtest.h>

#include "Batch.h"
#include "ChartFormat.h"

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
    EXPECT_EQ(RunBatch(in, out, false), 1);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "01.01.2000,12:00,0,000:00,E,ЗЕМ ОГО,ЗЕМ ОГО,ОГО ВОД,зем дер,957813462,624579138");
    EXPECT_EQ(lines[1], "31.02.2023,12:00,5,060:36,E,error,date \"31.02.2023\" does not exist");
    EXPECT_EQ(lines[2], "01.01.4000,12:00,5,060:36,E,error,Дата вне диапазона эфемериды");
    EXPECT_TRUE(lines[3].starts_with("10.10.2009,10:04,1,089:00,E,МЕТ МЕТ,")) << lines[3];
}

TEST(Batch, AllGoodLinesExitZeroAndJsonHasEveryKey)
{
    std::istringstream in("01.01.2000,12:00,0,000:00,E\n");
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out, true), 0);
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
    EXPECT_EQ(JsonString("a\"b\\c\n"), "\"a\\\"b\\\\c\\u000a\"");
    EXPECT_EQ(JsonString("ДЕР"), "\"ДЕР\"");
    EXPECT_EQ(JsonString("x\xff\xd0y"), "\"x\\ufffd\\ufffdy\"");
    std::istringstream in("\"bad\",line\n");
    std::ostringstream out;
    EXPECT_EQ(RunBatch(in, out, true), 1);
    EXPECT_TRUE(out.str().starts_with("{\"input\":\"\\\"bad\\\",line\",\"error\":")) << out.str();
}
