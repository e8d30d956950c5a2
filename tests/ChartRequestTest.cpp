// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "ChartRequest.h"

TEST(ChartRequest, ArgumentsBecomeAnInput)
{
    const ChartRequest request = ParseRequest("01.01.2000", "12:00", "0", "000:00E");
    ASSERT_TRUE(request.Input) << request.Error;
    EXPECT_EQ(CsvLineOf(*request.Input), "01.01.2000,12:00,0,000:00,E");

    const ChartRequest west = ParseCsvLine("5.3.1999,7:05,-5,74:0,W\r");
    ASSERT_TRUE(west.Input) << west.Error;
    EXPECT_EQ(CsvLineOf(*west.Input), "05.03.1999,07:05,-5,074:00,W");
    EXPECT_EQ(ParseRequest("01.01.2000", "12:00", DefaultCorrection, DefaultLongitude).Input->LongitudeMinutes, 36);
}

TEST(ChartRequest, BadValuesNameTheFieldAndTheValue)
{
    struct Case {
        const char *line;
        const char *error;
    };
    const Case cases[] = {
        {"31.02.2023,12:00,5,060:36,E", "date \"31.02.2023\" does not exist"},
        {"01.01.5001,12:00,5,060:36,E", "year \"5001\" is outside 1..5000"},
        {"01.01.0000,12:00,5,060:36,E", "year \"0000\" is outside 1..5000"},
        {"1/1/2000,12:00,5,060:36,E", "date \"1/1/2000\" is not DD.MM.YYYY"},
        {"01.01.24,12:00,5,060:36,E", "year \"24\" of date \"01.01.24\" is not four digits"},
        {"01.01.024,12:00,5,060:36,E", "year \"024\" of date \"01.01.024\" is not four digits"},
        {"01.01.02024,12:00,5,060:36,E", "date \"01.01.02024\" is not DD.MM.YYYY"},
        {"01.01.2000,24:00,5,060:36,E", "hour \"24\" is outside 0..23"},
        {"01.01.2000,12:60,5,060:36,E", "minute \"60\" is outside 0..59"},
        {"01.01.2000,12,5,060:36,E", "time \"12\" is not HH:MM"},
        {"01.01.2000,12:00,24,060:36,E", "correction \"24\" is outside -23..23"},
        {"01.01.2000,12:00,x,060:36,E", "correction \"x\" is not a number"},
        {"01.01.2000,12:00,5,180:00,E", "longitude degrees \"180\" is outside 0..179"},
        {"01.01.2000,12:00,5,060:60,E", "longitude minutes \"60\" is outside 0..59"},
        {"01.01.2000,12:00,5,060:36,N", "hemisphere \"N\" is not E or W"},
        {"01.01.2000,12:00,5,060:36", "line \"01.01.2000,12:00,5,060:36\" is not DD.MM.YYYY,HH:MM,CORR,DDD:MM,H"},
    };
    for (const Case &c : cases) {
        const ChartRequest request = ParseCsvLine(c.line);
        EXPECT_FALSE(request.Input) << c.line;
        EXPECT_EQ(request.Error, c.error) << c.line;
    }
    EXPECT_FALSE(ParseRequest("01.01.2000", "12:00", "5", "").Input);
}

TEST(ChartRequest, TheLongitudeArgumentNamesTheWrongPartWithWholeCharacters)
{
    struct Case {
        const char *longitude;
        const char *error;
    };
    const Case cases[] = {
        {"060:36Е", "hemisphere \"Е\" is not E or W (Latin letters)"}, // Cyrillic Е
        {"060:36В", "hemisphere \"В\" is not E or W (Latin letters)"}, // Cyrillic В
        {"060:36N", "hemisphere \"N\" is not E or W"},
        {"060:36", "longitude \"060:36\" is not DDD:MM{E|W}"},
        {"", "longitude \"\" is not DDD:MM{E|W}"},
        {"0x0:36E", "longitude degrees \"0x0\" is not a number"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseRequest("01.01.2000", "12:00", "5", c.longitude).Error, c.error) << c.longitude;
}
