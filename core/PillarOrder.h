// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>

#include "ChartTypes.h"

// The pillars as every output shows them, left to right, with their headings.
inline constexpr std::array<const char *, 4> PillarHeadings{"Час", "День", "Месяц", "Год"};

inline std::array<const Pillar *, 4> PillarsInDisplayOrder(const ChartResult &result)
{
    return {&result.HourPillar, &result.DayPillar, &result.MonthPillar, &result.YearPillar};
}
