// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Pillars.h"

#include "Gregorian.h"

namespace {

// The sixty-pair cycle, position 0 ДЕР·ВОД (Ян Дерево, Крыса) to 59 вод·вод:
// the ten stems from ДЕР, the twelve branches from ВОД.
constexpr const char *CycleStems[10] = {"ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод"};
constexpr const char *CycleBranches[12] = {"ВОД", "зем", "ДЕР", "дер", "ЗЕМ", "ого",
                                           "ОГО", "зем", "МЕТ", "мет", "ЗЕМ", "вод"};

// Where the counts meet the cycle: year 0 is МЕТ·МЕТ (Ян Металл, Обезьяна),
// day number 0 is ЗЕМ·ДЕР (Ян Земля, Тигр).
constexpr std::int64_t YearZero = 56;
constexpr std::int64_t DayZero = 14;

} // namespace

Pillar CyclePillar(std::int64_t position)
{
    return {CycleStems[FloorMod(position, 10)], CycleBranches[FloorMod(position, 12)]};
}

// 6 is 1 modulo 10 and 0 modulo 12, -5 the other way round.
std::int32_t CyclePositionOf(std::int32_t stem, std::int32_t branch)
{
    return static_cast<std::int32_t>(FloorMod(6 * std::int64_t(stem) - 5 * std::int64_t(branch), 60));
}

std::int32_t YearStemIndex(std::int32_t solarYear)
{
    return static_cast<std::int32_t>(FloorMod(solarYear + YearZero, 10));
}

// The first month (Тигр) of a year takes the stem two after twice the year
// stem's pair: ОГО for ДЕР and зем years, ЗЕМ for дер and МЕТ years, and so on.
std::int32_t MonthCyclePosition(std::int32_t solarYear, std::int32_t solarMonth)
{
    const std::int32_t firstStem = (YearStemIndex(solarYear) % 5) * 2 + 2;
    return CyclePositionOf((firstStem + solarMonth - 1) % 10, (solarMonth + 1) % 12);
}

std::int64_t DayNumberOf(const CalendarDate &date)
{
    // 360 days fewer for each whole year leaves the count modulo 60 alone.
    return DayCount(date) - 360 * (std::int64_t(date.Year) - 1);
}

std::int64_t DayPillarNumber(const CalendarDate &chartDate, std::int32_t chartHour, bool dayChangeAtMidnight)
{
    // The chart date is already the next one from 23:00.
    return DayNumberOf(chartDate) - (dayChangeAtMidnight && chartHour == 23 ? 1 : 0);
}

std::int64_t YearCyclePosition(std::int32_t solarYear) { return solarYear + YearZero; }

std::int64_t DayCyclePosition(std::int64_t dayNumber) { return dayNumber + DayZero; }

// The rat hour from 23:00 takes its stem from the next day even where the
// day pillar stays the date's own. The Крыса hour of a day takes the stem of
// twice the day's stem (ДЕР for ДЕР and зем days, ОГО for дер and МЕТ days,
// and so on), and the hours count on from it.
std::int32_t HourCyclePosition(const CalendarDate &chartDate, std::int32_t chartHour)
{
    const auto dayStem = static_cast<std::int32_t>(FloorMod(DayCyclePosition(DayNumberOf(chartDate)), 10));
    const std::int32_t hourBranch = chartHour == 23 ? 0 : (chartHour + 1) / 2;
    return CyclePositionOf((2 * dayStem + hourBranch) % 10, hourBranch);
}

Pillar YearPillarOf(std::int32_t solarYear) { return CyclePillar(YearCyclePosition(solarYear)); }

Pillars BuildPillars(std::int32_t solarYear, std::int32_t solarMonth, const CalendarDate &chartDate,
                     std::int32_t chartHour, bool dayChangeAtMidnight)
{
    Pillars p;
    p.YearPillar = YearPillarOf(solarYear);
    p.MonthPillar = CyclePillar(MonthCyclePosition(solarYear, solarMonth));
    p.DayPillar = CyclePillar(DayCyclePosition(DayPillarNumber(chartDate, chartHour, dayChangeAtMidnight)));
    p.HourPillar = CyclePillar(HourCyclePosition(chartDate, chartHour));
    return p;
}
