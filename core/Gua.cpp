// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Gua.h"

#include "Squares.h"

namespace {

struct Directions {
    std::array<const char *, 4> Favourable, Unfavourable;
};

// The eight-mansions table as published, by Gua number 1..9 (5 unused).
constexpr Directions DirectionTable[10] = {
    {},
    {{"SE", "E", "S", "N"}, {"W", "NE", "NW", "SW"}},
    {{"NE", "W", "NW", "SW"}, {"E", "SE", "S", "N"}},
    {{"S", "N", "SE", "E"}, {"SW", "NW", "NE", "W"}},
    {{"N", "S", "E", "SE"}, {"NW", "SW", "W", "NE"}},
    {},
    {{"W", "NE", "SW", "NW"}, {"SE", "E", "N", "S"}},
    {{"NW", "SW", "NE", "W"}, {"N", "S", "SE", "E"}},
    {{"SW", "NW", "W", "NE"}, {"S", "N", "E", "SE"}},
    {{"E", "SE", "N", "S"}, {"NE", "W", "SW", "NW"}},
};

} // namespace

Gua GuaOf(std::int32_t solarYear, Sex sex)
{
    const std::int32_t star = ComputeYearSquare(solarYear)[1][1];
    std::int32_t number = sex == Sex::Male ? star : ReduceIntoNine(15 - star);
    if (number == 5)
        number = sex == Sex::Male ? 2 : 8;
    Gua gua;
    gua.Number = number;
    gua.East = number == 1 || number == 3 || number == 4 || number == 9;
    gua.Favourable = DirectionTable[number].Favourable;
    gua.Unfavourable = DirectionTable[number].Unfavourable;
    return gua;
}
