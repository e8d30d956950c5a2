// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "Chart.h"
#include "ChartTypes.h"

// The four pillars of a chart as stem and branch indexes, which tell apart
// the branches that share an element token (ЗЕМ for the dragon and the dog,
// зем for the ox and the goat). Stems 0..9 run from Ян Дерево to Инь Вода,
// branches 0..11 from Крыса to Свинья; position p of the sixty-pair cycle
// (0 = Ян Дерево·Крыса) has stem p mod 10 and branch p mod 12.

struct Sign {
    std::int32_t Stem = 0;   // 0..9
    std::int32_t Branch = 0; // 0..11, of the stem's parity
    bool operator==(const Sign &) const = default;
};

struct ChartSigns {
    Sign Hour;
    Sign Day;
    Sign Month;
    Sign Year;
    bool operator==(const ChartSigns &) const = default;
};

// The pillars in the order every output lists them.
enum class PillarName { Hour, Day, Month, Year };
inline constexpr std::array<PillarName, 4> PillarNames{PillarName::Hour, PillarName::Day, PillarName::Month,
                                                       PillarName::Year};

const Sign &SignOf(const ChartSigns &signs, PillarName pillar);

// Position 0..59 of a sign in the sixty-pair cycle, and the sign at any
// position (taken modulo 60).
std::int32_t SignPosition(const Sign &sign);
Sign SignAt(std::int64_t position);

// The element tokens of a sign, as the chart shows them, and of a stem alone.
Pillar TokensOf(const Sign &sign);
Token StemToken(std::int32_t stem);

// The pillars of a computed chart from the solar year and month and the
// chart's date and hour, by the rules BuildPillars follows (the day pillar
// by the chart's DayChangeAtMidnight).
ChartSigns SignsOf(const ChartDetails &chart);
