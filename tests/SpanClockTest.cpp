// SPDX-License-Identifier: AGPL-3.0-or-later
// The clock readings of a span with a time zone, across the summer-time
// changes of Moscow in 1985 (31.03 02:00 +3 -> 03:00 +4, 29.09 03:00 +4 ->
// 02:00 +3), against the real zone data and the chart of each reading.

#include <gtest/gtest.h>

#include "AroundFormat.h"
#include "ChangeText.h"
#include "Chart.h"
#include "ChartSpan.h"
#include "SpanClock.h"
#include "TimeScale.h"

namespace {

const QByteArray Moscow("Europe/Moscow");

ChartInput MoscowInput(int day, int month, int hour, int minute, int offsetHours)
{
    return {day, month, 1985, hour, minute, offsetHours, 37, 37, "E"};
}

} // namespace

TEST(SpanClock, ReadingsFollowTheZonesClock)
{
    struct Case {
        const char *name;
        ChartInput input;
        std::int64_t later;
        const char *text;
    };
    const Case cases[] = {
        {"an hour before 03:30 in spring", MoscowInput(31, 3, 3, 30, 4), -3600, "31.03.1985 01:30:00 +3"},
        {"just after the skipped hour", MoscowInput(31, 3, 3, 30, 4), -1800, "31.03.1985 03:00:00"},
        {"the last second before it", MoscowInput(31, 3, 3, 30, 4), -1801, "31.03.1985 01:59:59 +3"},
        {"the next morning from spring's eve", MoscowInput(30, 3, 12, 0, 3), 16 * 3600, "31.03.1985 05:00:00 +4"},
        {"an autumn span past the change", MoscowInput(29, 9, 1, 30, 4), 3 * 3600, "29.09.1985 03:30:00 +3"},
        {"the doubled hour, first time", MoscowInput(29, 9, 1, 30, 4), 3600, "29.09.1985 02:30:00"},
        {"the doubled hour, second time", MoscowInput(29, 9, 1, 30, 4), 2 * 3600, "29.09.1985 02:30:00 +3"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SpanClockText(c.input, SpanClockAt(c.input, Moscow, c.later)), c.text) << c.name;
    const ChartInput fixed = MoscowInput(31, 3, 3, 30, 4);
    EXPECT_EQ(SpanClockText(fixed, SpanClockAt(fixed, QByteArray(), -3600)), "31.03.1985 02:30:00");
}

// Each range's chart is the chart of its first whole minute as the zone's
// clock then reads it, taken with that reading's offset.
TEST(SpanClock, EveryRangeHoldsTheChartOfItsReading)
{
    for (const ChartInput &input : {MoscowInput(30, 3, 12, 0, 3), MoscowInput(29, 9, 1, 30, 4)}) {
        const SpanOutcome outcome = ComputeChartSpan(input, 1440);
        ASSERT_TRUE(outcome.Span);
        int shifted = 0;
        for (const ChartRange &range : outcome.Span->Ranges) {
            const SpanClock from = SpanClockAt(input, Moscow, range.From);
            const std::int64_t minute = from.Time.Second ? range.From + 60 - from.Time.Second : range.From;
            if (minute >= range.To)
                continue;
            const SpanClock reading = SpanClockAt(input, Moscow, minute);
            ChartInput typed = input;
            typed.Day = reading.Time.Date.Day;
            typed.Month = reading.Time.Date.Month;
            typed.Hour = reading.Time.Hour;
            typed.Minute = reading.Time.Minute;
            SetClockOffset(typed, reading.OffsetSeconds);
            shifted += reading.OffsetSeconds != OffsetSecondsOf(input);
            EXPECT_EQ(ComputeChart(typed).Details->Result, range.Result) << ClockTimeText(reading.Time);
        }
        EXPECT_GT(shifted, 3);
    }
    const ChartInput spring = MoscowInput(31, 3, 3, 30, 4);
    const std::string text = FormatAroundText(spring, *ComputeChartSpan(spring, 60).Span, "Europe/Moscow");
    EXPECT_EQ(text.substr(0, text.find('\n')), "с 31.03.1985 01:30:00 +3 до 31.03.1985 04:29:32") << text;
}
