// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "ChartRequest.h"
#include "TimeScale.h"

TEST(ChartRequest, ArgumentsBecomeAnInput)
{
    const ChartRequest request = ParseRequest("01.01.2000", "12:00", "0", "000:00E");
    ASSERT_TRUE(request.Input) << request.Error;
    EXPECT_EQ(CsvLineOf(*request.Input), "01.01.2000,12:00,0,000:00,E");

    const ChartRequest west = ParseCsvFields(BatchFields("5.3.1999,7:05,-5,74:0,W"));
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
        const ChartRequest request = ParseCsvFields(BatchFields(c.line));
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

// Exactly H, H:MM or H:MM:SS, minutes and seconds two digits below 60, the
// whole offset within the whole hours' -23..23.
TEST(ChartRequest, ExactCorrectionsTakeOneFormWithinTheRange)
{
    struct Case {
        const char *correction;
        int seconds; // the offset taken, or
        const char *error;
    };
    const Case cases[] = {
        {"5", 5 * 3600, nullptr},
        {"-23", -23 * 3600, nullptr},
        {"5:30", 5 * 3600 + 1800, nullptr},
        {"-9:30", -(9 * 3600 + 1800), nullptr},
        {"-0:30", -1800, nullptr},
        {"2:30:17", 2 * 3600 + 1800 + 17, nullptr},
        {"23:00", 23 * 3600, nullptr},
        {"-23:00:00", -23 * 3600, nullptr},
        {"5:3", 0, "correction \"5:3\" is not H, H:MM or H:MM:SS"},
        {"5:30:1", 0, "correction \"5:30:1\" is not H, H:MM or H:MM:SS"},
        {"1:49:3", 0, "correction \"1:49:3\" is not H, H:MM or H:MM:SS"},
        {"5:030", 0, "correction \"5:030\" is not H, H:MM or H:MM:SS"},
        {"5:30:001", 0, "correction \"5:30:001\" is not H, H:MM or H:MM:SS"},
        {"5:60", 0, "correction \"5:60\" is not H, H:MM or H:MM:SS"},
        {"5:30:60", 0, "correction \"5:30:60\" is not H, H:MM or H:MM:SS"},
        {"5:30:00:00", 0, "correction \"5:30:00:00\" is not H, H:MM or H:MM:SS"},
        {"23:59:59", 0, "correction \"23:59:59\" is outside -23..23"},
        {"23:00:01", 0, "correction \"23:00:01\" is outside -23..23"},
        {"-23:30", 0, "correction \"-23:30\" is outside -23..23"},
        {"24:00", 0, "correction \"24:00\" is outside -23..23"},
    };
    for (const Case &c : cases) {
        const std::string line = std::string("01.01.2000,12:00,") + c.correction + ",060:36,E";
        for (const ChartRequest &request :
             {ParseRequest("01.01.2000", "12:00", c.correction, "060:36E"), ParseCsvFields(BatchFields(line))}) {
            if (c.error) {
                EXPECT_FALSE(request.Input) << c.correction;
                EXPECT_EQ(request.Error, c.error) << c.correction;
            } else {
                ASSERT_TRUE(request.Input) << c.correction << ": " << request.Error;
                EXPECT_EQ(OffsetSecondsOf(*request.Input), c.seconds) << c.correction;
            }
        }
    }
}
