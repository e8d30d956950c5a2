// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "LuckPillars.h"

// The personal Gua number of the eight-mansions school, from the year of
// the chart's year pillar (which changes at the start of spring, to the
// minute; not from 1 January, the lunar new year or a fixed date). Male:
// that year's star, the centre of its year square, 5 taken as 2. Female:
// the star counted the other way, 15 minus the male star reduced into 1..9
// (the usual "5 + digit sum"), 5 taken as 8.
struct Gua {
    std::int32_t Number = 0; // 1..9, never 5
    bool East = false;       // the east group 1, 3, 4, 9; else the west group 2, 6, 7, 8
    // Compass points, best first: sheng qi, tian yi, yan nian, fu wei; then
    // worst last: huo hai, wu gui, liu sha, jue ming.
    std::array<const char *, 4> Favourable{};
    std::array<const char *, 4> Unfavourable{};
};

Gua GuaOf(std::int32_t solarYear, Sex sex);
