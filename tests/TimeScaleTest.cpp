// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "Ephemeris.h"
#include "Gregorian.h"
#include "TimeScale.h"

namespace {

ChartInput Input(int day, int month, int year, int hour, int minute, int correction, int degrees, int minutes,
                 const char *hemisphere = "E")
{
    return {day, month, year, hour, minute, correction, degrees, minutes, hemisphere};
}

} // namespace

TEST(TimeScale, ChartTimeFollowsTheFormula)
{
    EXPECT_DOUBLE_EQ(ChartTimeOf(Input(1, 1, 2000, 12, 0, 5, 60, 36)), 12.04);
    EXPECT_DOUBLE_EQ(ChartTimeOf(Input(1, 1, 2000, 12, 0, 0, 0, 0)), 13);
    EXPECT_DOUBLE_EQ(ChartTimeOf(Input(1, 1, 2000, 1, 0, 5, 0, 0)), -3);
}

TEST(TimeScale, WesternLongitudeRunsBehindUniversalTime)
{
    EXPECT_DOUBLE_EQ(LongitudeOf(Input(1, 1, 2000, 0, 0, 0, 75, 30, "W")), -75.5);
    EXPECT_DOUBLE_EQ(LongitudeOf(Input(1, 1, 2000, 0, 0, 0, 75, 30, "w")), -75.5);
    // New York at noon on the clock (UT-5): local mean time 12:04, ChartHour 12.
    const ChartMoment moment = ChartMomentOf(Input(15, 6, 2024, 12, 0, -5, 73, 59, "W"));
    EXPECT_EQ(moment.ChartHour, 12);
    EXPECT_EQ(moment.ChartDate, (CalendarDate{2024, 6, 15}));
}

TEST(TimeScale, DayChangesAtElevenInTheEvening)
{
    const ChartMoment late = ChartMomentOf(Input(1, 3, 2023, 23, 30, 0, 0, 0));
    EXPECT_EQ(late.ChartDate, (CalendarDate{2023, 3, 2}));
    EXPECT_EQ(late.ChartHour, 23);

    const ChartMoment early = ChartMomentOf(Input(1, 3, 2023, 1, 0, 5, 0, 0));
    EXPECT_DOUBLE_EQ(early.ChartTime, -3);
    EXPECT_EQ(early.ChartDate, (CalendarDate{2023, 2, 28}));
    EXPECT_EQ(early.ChartHour, 20);
}

TEST(TimeScale, WholeHourOfLocalMeanTimeIsNeverLost)
{
    // 10:04 at UT+1 and 89 degrees east is exactly 15:00 local mean time.
    const ChartMoment example = ChartMomentOf(Input(10, 10, 2009, 10, 4, 1, 89, 0));
    EXPECT_EQ(example.ChartHour, 15);
    EXPECT_EQ(example.ChartDate, (CalendarDate{2009, 10, 10}));

    // Every moment that is exactly on a local-mean hour, across longitudes
    // (minutes of arc in quarters, so that the clock minute can make it whole),
    // corrections and both hemispheres.
    int checked = 0;
    for (int degrees = 0; degrees < 180; degrees += 7)
        for (int arcMinutes : {0, 15, 30, 45})
            for (int correction = -23; correction <= 23; correction += 4)
                for (const char *hemisphere : {"E", "W"}) {
                    const int sign = hemisphere[0] == 'E' ? 1 : -1;
                    const int lonSeconds = sign * (degrees * 240 + arcMinutes * 4);
                    const int minute = static_cast<int>(FloorMod(-lonSeconds / 60, 60));
                    for (int hour : {0, 5, 11, 22, 23}) {
                        const ChartInput in =
                            Input(28, 2, 2024, hour, minute, correction, degrees, arcMinutes, hemisphere);
                        const std::int64_t seconds = hour * 3600 + minute * 60 - correction * 3600 + lonSeconds + 3600;
                        const CalendarDate date =
                            CalendarOf(JulianDay(2024, 2, 28, 12) + FloorDiv(seconds, 86400)).Date;
                        const int lmtHour = static_cast<int>(FloorMod(seconds - 3600, 86400) / 3600);
                        const ChartMoment m = ChartMomentOf(in);
                        ASSERT_EQ(m.ChartHour, lmtHour)
                            << degrees << ":" << arcMinutes << hemisphere << " corr " << correction << " hour " << hour;
                        ASSERT_EQ(m.ChartDate, date)
                            << degrees << ":" << arcMinutes << hemisphere << " corr " << correction << " hour " << hour;
                        ++checked;
                    }
                }
    EXPECT_GT(checked, 10000);
}
