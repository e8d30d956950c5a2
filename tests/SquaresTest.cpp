// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include "Squares.h"

#include <utility>

TEST(Squares, YearSquareRepeatsEveryNineYears)
{
    struct Case {
        int year;
        Square square;
    };
    const Case cases[] = {
        {2000, {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}}}, {2009, {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}}},
        {2024, {{{2, 7, 9}, {1, 3, 5}, {6, 8, 4}}}}, {2023, {{{3, 8, 1}, {2, 4, 6}, {7, 9, 5}}}},
        {2025, {{{1, 6, 8}, {9, 2, 4}, {5, 7, 3}}}}, {1900, {{{9, 5, 7}, {8, 1, 3}, {4, 6, 2}}}},
        {1999, {{{9, 5, 7}, {8, 1, 3}, {4, 6, 2}}}}, {2, {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}}},
        {-7, {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}}},   {-8, {{{9, 5, 7}, {8, 1, 3}, {4, 6, 2}}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ComputeYearSquare(c.year), c.square) << "SquareYear " << c.year;
}

TEST(Squares, MonthSquareFromGroupAndMonth)
{
    struct Case {
        int group, month;
        Square square;
    };
    const Case cases[] = {
        {2, 1, {{{4, 9, 2}, {3, 5, 7}, {8, 1, 6}}}},
        {2, 12, {{{2, 7, 9}, {1, 3, 5}, {6, 8, 4}}}},
        {1, 1, {{{7, 3, 5}, {6, 8, 1}, {2, 4, 9}}}},
        {0, 1, {{{1, 6, 8}, {9, 2, 4}, {5, 7, 3}}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ComputeMonthSquare(c.group, c.month), c.square) << "group " << c.group << " month " << c.month;
}

TEST(Squares, EveryCentreGivesTheLoShuArrangement)
{
    // The arrangement of each centre number, the Lo Shu square (centre 5)
    // with every number moved on by the same step.
    const std::pair<int, Square> arrangements[] = {
        {1, {{{9, 5, 7}, {8, 1, 3}, {4, 6, 2}}}}, {2, {{{1, 6, 8}, {9, 2, 4}, {5, 7, 3}}}},
        {3, {{{2, 7, 9}, {1, 3, 5}, {6, 8, 4}}}}, {4, {{{3, 8, 1}, {2, 4, 6}, {7, 9, 5}}}},
        {5, {{{4, 9, 2}, {3, 5, 7}, {8, 1, 6}}}}, {6, {{{5, 1, 3}, {4, 6, 8}, {9, 2, 7}}}},
        {7, {{{6, 2, 4}, {5, 7, 9}, {1, 3, 8}}}}, {8, {{{7, 3, 5}, {6, 8, 1}, {2, 4, 9}}}},
        {9, {{{8, 4, 6}, {7, 9, 2}, {3, 5, 1}}}},
    };
    for (int group = 0; group < 3; ++group)
        for (int month = 1; month <= 12; ++month) {
            const Square s = ComputeMonthSquare(group, month);
            const int centre = MonthCentreTable[group][month - 1];
            ASSERT_GE(centre, 1);
            ASSERT_LE(centre, 9);
            EXPECT_EQ(s, arrangements[centre - 1].second) << "group " << group << " month " << month;
        }
    EXPECT_EQ(ReduceIntoNine(0), 9);
    EXPECT_EQ(ReduceIntoNine(-17), 1);
    EXPECT_EQ(ReduceIntoNine(18), 9);
}
