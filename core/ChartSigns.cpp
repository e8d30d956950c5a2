// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartSigns.h"

#include "Gregorian.h"
#include "LuckPillars.h"
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

// 6 is 1 modulo 10 and 0 modulo 12, -5 the other way round.
std::int32_t SignPosition(const Sign &sign)
{
    return static_cast<std::int32_t>(FloorMod(6 * sign.Stem - 5 * sign.Branch, 60));
}

Sign SignAt(std::int64_t position)
{
    return {static_cast<std::int32_t>(FloorMod(position, 10)), static_cast<std::int32_t>(FloorMod(position, 12))};
}

Pillar TokensOf(const Sign &sign) { return CyclePillar(SignPosition(sign)); }

Token StemToken(std::int32_t stem) { return CyclePillar(stem).Stem; }

ChartSigns SignsOf(const ChartDetails &chart)
{
    const std::int32_t solarYear = chart.Terms.SolarYear;
    ChartSigns signs;
    signs.Year = {static_cast<std::int32_t>(FloorMod(solarYear + 6, 10)),
                  static_cast<std::int32_t>(FloorMod(solarYear + 8, 12))};
    signs.Month = SignAt(MonthCyclePosition(solarYear, chart.Terms.SolarMonth));
    // Day number 0 is a Ян Земля·Тигр day: the day tables start at ЗЕМ and ДЕР.
    const std::int32_t hour = chart.Moment.ChartHour;
    const std::int64_t dayNumber = DayPillarNumber(chart.Moment.ChartDate, hour, chart.DayChangeAtMidnight);
    signs.Day = {static_cast<std::int32_t>(FloorMod(dayNumber + 4, 10)),
                 static_cast<std::int32_t>(FloorMod(dayNumber + 2, 12))};
    const std::int32_t hourBranch = hour == 23 ? 0 : (hour + 1) / 2;
    // The rat hour of a Ян Дерево or Инь Земля day is Ян Дерево, and each
    // later day stem moves it on by two; the stem is that of the chart date,
    // the next day from 23:00, whichever day the day pillar keeps.
    const auto dateStem = static_cast<std::int32_t>(FloorMod(DayNumberOf(chart.Moment.ChartDate) + 4, 10));
    signs.Hour = {(dateStem % 5 * 2 + hourBranch) % 10, hourBranch};
    return signs;
}
