// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Pillars.h"

#include "Gregorian.h"

namespace {

constexpr const char *YearStems[10] = {"МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем"};
constexpr const char *YearBranches[12] = {"МЕТ", "мет", "ЗЕМ", "вод", "ВОД", "зем",
                                          "ДЕР", "дер", "ЗЕМ", "ого", "ОГО", "зем"};
constexpr const char *DayStems[10] = {"ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер", "ОГО", "ого"};
constexpr const char *DayBranches[12] = {"ДЕР", "дер", "ЗЕМ", "ого", "ОГО", "зем",
                                         "МЕТ", "мет", "ЗЕМ", "вод", "ВОД", "зем"};
constexpr const char *HourBranches[12] = {"ВОД", "зем", "ДЕР", "дер", "ЗЕМ", "ого",
                                          "ОГО", "зем", "МЕТ", "мет", "ЗЕМ", "вод"};

} // namespace

const std::array<std::array<Pillar, 12>, 10> MonthPillarTable = [] {
    static constexpr const char *rowStems[5][12] = {
        {"ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем"},
        {"МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет"},
        {"ВОД", "вод", "ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод"},
        {"ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер"},
        {"ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер", "ОГО", "ого"},
    };
    static constexpr const char *branches[12] = {"ДЕР", "дер", "ЗЕМ", "ого", "ОГО", "зем",
                                                 "МЕТ", "мет", "ЗЕМ", "вод", "ВОД", "зем"};
    std::array<std::array<Pillar, 12>, 10> table;
    for (int digit = 0; digit < 10; ++digit)
        for (int month = 0; month < 12; ++month)
            table[digit][month] = {rowStems[digit % 5][month], branches[month]};
    return table;
}();

const std::array<std::array<const char *, 12>, 5> HourStemTable = {{
    {"ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер"},
    {"ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер", "ОГО", "ого"},
    {"ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем"},
    {"МЕТ", "мет", "ВОД", "вод", "ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет"},
    {"ВОД", "вод", "ДЕР", "дер", "ОГО", "ого", "ЗЕМ", "зем", "МЕТ", "мет", "ВОД", "вод"},
}};

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

Pillar YearPillarOf(std::int32_t solarYear)
{
    return {YearStems[FloorMod(solarYear, 10)], YearBranches[FloorMod(solarYear, 12)]};
}

Pillars BuildPillars(std::int32_t solarYear, std::int32_t solarMonth, const CalendarDate &chartDate,
                     std::int32_t chartHour, bool dayChangeAtMidnight)
{
    Pillars p;
    const auto yearDigit = FloorMod(solarYear, 10);
    p.YearPillar = YearPillarOf(solarYear);
    p.MonthPillar = MonthPillarTable[yearDigit][solarMonth - 1];

    const std::int64_t dayNumber = DayPillarNumber(chartDate, chartHour, dayChangeAtMidnight);
    p.DayPillar = {DayStems[FloorMod(dayNumber, 10)], DayBranches[FloorMod(dayNumber, 12)]};

    // The rat hour from 23:00 takes its stem from the next day even where
    // the day pillar stays the date's own.
    const int dayDigit = static_cast<int>(FloorMod(DayNumberOf(chartDate), 10));
    const int hourBranch = chartHour == 23 ? 0 : (chartHour + 1) / 2;
    // Digits 1..4 form groups 1..4, digits 6..9 repeat them, 0 and 5 are group 5.
    const int group = dayDigit % 5 == 0 ? 5 : dayDigit % 5;
    p.HourPillar = {HourStemTable[group - 1][hourBranch], HourBranches[hourBranch]};
    return p;
}
