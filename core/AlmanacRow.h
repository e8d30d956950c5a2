// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Almanac.h"

// A day of the almanac as the days dialog and the tool show it, the same
// words in both. UTF-8.
struct AlmanacRow {
    std::string Date;    // "01.01.2027"
    std::string Weekday; // "пт"
    std::string Stem;    // token of the day's stem, "ДЕР"
    std::string Branch;  // token of the day's branch, "ВОД"
    std::string Animal;  // "Крыса"
    std::int32_t Star = 1;
    std::string Officer; // "Установление"
    std::string Mansion; // "Рог"
    std::string Clash;   // the animal the day clashes with: "Лошадь"
    std::array<std::int32_t, 12> HourStars{}; // from the Крыса hour
    // With a chart: which of its pillars the day clashes with ("year",
    // "day"), and the stars the day holds for it.
    std::optional<PersonMarks> Marks;
};

AlmanacRow RowOf(const DayAlmanac &day, const std::optional<ChartSigns> &chart);

// The marks in words: "Столкновение с годом; Благородный человек"; empty
// for none.
std::string MarksText(const PersonMarks &marks);

// The clock times a double hour (branch 0..11) covers on a clock running
// offsetSeconds ahead of Universal Time at longitudeSeconds (east positive,
// seconds of time: 4 a minute of arc): the Крыса hour is 23:00-01:00 of
// local mean time. "23:27-01:27", minutes truncated.
std::string HourClockRange(std::int32_t branch, std::int32_t offsetSeconds, std::int32_t longitudeSeconds);

// The present pillars, as the days dialog shows them above its table:
// "Сейчас: год ОГО ЗЕМ Лошадь, месяц …, день …, час …".
std::string PresentText(const ChartSigns &now);
