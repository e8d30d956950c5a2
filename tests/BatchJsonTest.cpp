// SPDX-License-Identifier: AGPL-3.0-or-later
#include <random>
#include <set>
#include <sstream>

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <gtest/gtest.h>

#include "Batch.h"
#include "ChartRequest.h"
#include "RandomCases.h"

namespace {

// Bytes that break naive JSON writers: quotes, backslashes, controls, commas
// and every kind of ill-formed UTF-8 (surrogates, overlong forms, stray
// continuation bytes, sequences cut short, code points past U+10FFFF).
std::string FuzzLine(std::mt19937_64 &random)
{
    static const std::string pieces[] = {"\"",
                                         "\\",
                                         ",",
                                         "\t",
                                         "\x01",
                                         "\x1f",
                                         "\x7f",
                                         "\r",
                                         "\xED\xA0\x80",
                                         "\xED\xBF\xBF",
                                         "\xC0\xAF",
                                         "\xE0\x80\xAF",
                                         "\xF0\x80\x80\xAF",
                                         "\xF4\x90\x80\x80",
                                         "\x80",
                                         "\xBF",
                                         "\xD0",
                                         "\xE2\x82",
                                         "\xF0\x9F\x98",
                                         "\xFE",
                                         "\xFF",
                                         "Ж",
                                         "\xF0\x9F\x98\x80",
                                         "01.01.2000",
                                         "12:00",
                                         "060:36",
                                         "E",
                                         " "};
    std::string line = "0";
    const int count = std::uniform_int_distribution(1, 12)(random);
    for (int i = 0; i < count; ++i)
        line += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(random)];
    return line;
}

const std::set<QString> ChartKeys = {"input",     "pillars",    "yearSquare", "monthSquare",
                                     "solarYear", "solarMonth", "squareYear", "chartJD"};

} // namespace

TEST(BatchJson, EveryLineIsAValidJsonObjectWithInputFirst)
{
    std::mt19937_64 random(14);
    std::string text;
    int cases = 0;
    for (; cases < 3000; ++cases)
        text += (cases % 3 == 0 ? CsvLineOf(RandomChartInput(random, 1900, 2100)) : FuzzLine(random)) + "\n";
    std::istringstream in(text);
    std::ostringstream out;
    RunBatch(in, out, {.Json = true});

    std::istringstream lines(out.str());
    int count = 0;
    int charts = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << ": " << line;
        ASSERT_TRUE(document.isObject()) << line;
        EXPECT_TRUE(line.starts_with("{\"input\":\"")) << line;
        const QStringList keys = document.object().keys();
        const std::set<QString> keySet(keys.begin(), keys.end());
        if (keySet.contains("error")) {
            EXPECT_EQ(keySet, (std::set<QString>{"input", "error"})) << line;
        } else {
            EXPECT_EQ(keySet, ChartKeys) << line;
            ++charts;
        }
    }
    EXPECT_EQ(count, cases);
    EXPECT_EQ(charts, 1000);
}
