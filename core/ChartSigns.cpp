// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartSigns.h"

#include "Gregorian.h"
#include "Pillars.h"

const Sign &SignOf(const ChartSigns &signs, PillarName pillar)
{
    switch (pillar) {
    case PillarName::Hour:
        return signs.Hour;
    case PillarName::Day:
        return signs.Day;
    case PillarName::Month:
        return signs.Month;
    case PillarName::Year:
        break;
    }
    return signs.Year;
}

std::int32_t SignPosition(const Sign &sign) { return CyclePositionOf(sign.Stem, sign.Branch); }

Sign SignAt(std::int64_t position)
{
    return {static_cast<std::int32_t>(FloorMod(position, 10)), static_cast<std::int32_t>(FloorMod(position, 12))};
}

Pillar TokensOf(const Sign &sign) { return CyclePillar(SignPosition(sign)); }

Token StemToken(std::int32_t stem) { return CyclePillar(stem).Stem; }

ChartSigns SignsOf(const ChartDetails &chart)
{
    const std::int32_t solarYear = chart.Terms.SolarYear;
    const CalendarDate &date = chart.Moment.ChartDate;
    const std::int32_t hour = chart.Moment.ChartHour;
    ChartSigns signs;
    signs.Year = SignAt(YearCyclePosition(solarYear));
    signs.Month = SignAt(MonthCyclePosition(solarYear, chart.Terms.SolarMonth));
    signs.Day = SignAt(DayCyclePosition(DayPillarNumber(date, hour, chart.DayChangeAtMidnight)));
    signs.Hour = SignAt(HourCyclePosition(date, hour));
    return signs;
}
