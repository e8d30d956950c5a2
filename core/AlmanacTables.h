// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "ChartTypes.h"

// The tables of the day almanac's rules, one for each rule. Branches 0..11
// run from Крыса. Almanac.cpp applies them; nothing else reads them.

namespace AlmanacTables {

extern const std::array<const char *, 12> OfficerNames; // from Установление
extern const std::array<const char *, 28> MansionNames; // from Рог
extern const std::array<const char *, 7> WeekdayNames;  // from Monday

// The mansions run a day each from a date whose mansion is known.
inline constexpr CalendarDate MansionEpoch{2000, 1, 1};
inline constexpr std::int32_t MansionAtEpoch = 16; // Желудок

// The star of the Крыса hour by the day's branch, from the winter solstice
// (the stars then ascend hour by hour) and from the summer solstice
// (they descend).
extern const std::array<std::int32_t, 12> RatHourStarAfterWinter;
extern const std::array<std::int32_t, 12> RatHourStarAfterSummer;

// The day star on the start days of the sequences.
inline constexpr std::int32_t WinterStartStar = 1;
inline constexpr std::int32_t SummerStartStar = 9;

extern const char ClashWithYear[];
extern const char ClashWithDay[];

} // namespace AlmanacTables
