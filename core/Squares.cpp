// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Squares.h"

#include "Gregorian.h"

const Square YearSquareBase = {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}};

const std::int32_t MonthCentreTable[3][12] = {
    {2, 1, 9, 8, 7, 6, 5, 4, 3, 2, 1, 9},
    {8, 7, 6, 5, 4, 3, 2, 1, 9, 8, 7, 6},
    {5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3},
};

std::int32_t ReduceIntoNine(std::int64_t value) { return static_cast<std::int32_t>(FloorMod(value - 1, 9) + 1); }

Square ComputeYearSquare(std::int32_t squareYear)
{
    const std::int64_t base = 2000 - std::int64_t(squareYear);
    Square square;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            square[r][c] = ReduceIntoNine(base + YearSquareBase[r][c]);
    return square;
}

Square ComputeMonthSquare(std::int32_t yearGroup, std::int32_t solarMonth)
{
    static constexpr int offsets[3][3] = {{-1, 4, -3}, {-2, 0, 2}, {3, -4, 1}};
    const std::int64_t centre = MonthCentreTable[FloorMod(yearGroup, 3)][FloorMod(solarMonth - 1, 12)];
    Square square;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            square[r][c] = ReduceIntoNine(centre + offsets[r][c]);
    return square;
}
