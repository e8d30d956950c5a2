// SPDX-License-Identifier: AGPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDate>

#include "CalendarMath.h"
#include "Gregorian.h"

static void PrintTo(const GridCell &cell, std::ostream *out)
{
    *out << "(row " << cell.Row << ", column " << cell.Column << ")";
}

// Every month of a whole 400-year cycle, from year 1, and every first
// weekday: the first lies in row 1 at its weekday's column (checked against
// QDate), and every day has its own cell in rows 1..6 that shows it back.
TEST(CalendarMath, LayoutOverFourHundredYears)
{
    for (int year = 1; year <= 400; ++year)
        for (int month = 1; month <= 12; ++month) {
            const int weekday = QDate(year, month, 1).dayOfWeek() % 7; // 0 = Sunday
            const int length = DaysInMonth(year, month);
            for (int start = 0; start < 7; ++start) {
                const std::string name =
                    std::to_string(year) + "-" + std::to_string(month) + " from weekday " + std::to_string(start);
                const int f = FirstCellDay(year, month, start);
                ASSERT_TRUE(f >= -5 && f <= 1) << name;
                ASSERT_EQ(CellOfDay(1, f), (GridCell{1, (weekday - start + 7) % 7})) << name;
                for (int day = 1; day <= length; ++day) {
                    ASSERT_LE(CellOfDay(day, f).Row, 6) << name << " day " << day;
                    ASSERT_EQ(DayInCell(CellOfDay(day, f), f, length), day) << name << " day " << day;
                }
            }
        }
    EXPECT_EQ(DayOfWeek({9999, 12, 31}), 5); // a Friday
}

TEST(CalendarMath, MonthsBeginningOnSundayAndSaturday)
{
    EXPECT_EQ(CellOfDay(1, FirstCellDay(2024, 9, 0)), (GridCell{1, 0})); // September 2024: Sunday
    const int march = FirstCellDay(2025, 3, 0);                          // March 2025: Saturday
    EXPECT_EQ(CellOfDay(1, march), (GridCell{1, 6}));
    EXPECT_EQ(CellOfDay(31, march), (GridCell{6, 1}));

    // February 2015: 28 days from a Sunday fill rows 1..4 exactly.
    const int feb = FirstCellDay(2015, 2, 0);
    EXPECT_EQ(CellOfDay(28, feb), (GridCell{4, 6}));
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(DayInCell({5, column}, feb, 28), 0) << column;
        EXPECT_EQ(DayInCell({6, column}, feb, 28), 0) << column;
        EXPECT_EQ(DayInCell({0, column}, feb, 28), 0) << column;
    }
}

TEST(CalendarMath, MonthSteps)
{
    struct Case {
        CalendarDate from;
        int delta;
        std::optional<CalendarDate> to;
    };
    const Case cases[] = {
        {{2024, 1, 31}, +1, CalendarDate{2024, 2, 29}},
        {{2024, 2, 29}, +1, CalendarDate{2024, 3, 29}},
        {{2023, 3, 31}, -1, CalendarDate{2023, 2, 28}},
        {{2023, 12, 15}, +1, CalendarDate{2024, 1, 15}},
        {{2024, 1, 15}, -1, CalendarDate{2023, 12, 15}},
        {{1, 1, 20}, -1, std::nullopt},
        {{9999, 12, 1}, +1, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MonthStep(c.from, c.delta), c.to)
            << c.from.Year << "-" << c.from.Month << "-" << c.from.Day << " by " << c.delta;
}

TEST(CalendarMath, CellGeometry)
{
    EXPECT_EQ(CellExtent(260, 1), 36);
    EXPECT_EQ(CellExtent(97, 1), 13);
    // Centring truncates toward zero, also for a text wider than its cell.
    EXPECT_EQ(CentredOffset(36, 13), 11);
    EXPECT_EQ(CentredOffset(10, 15), -2);

    struct Hit {
        int x, y;
        std::optional<GridCell> cell;
    };
    const Hit hits[] = {
        {36, 13, GridCell{0, 0}}, {37, 14, GridCell{1, 1}}, {257, 96, GridCell{6, 6}},
        {259, 50, std::nullopt},  {-1, 5, std::nullopt},
    };
    for (const Hit &h : hits)
        EXPECT_EQ(CellAt(h.x, h.y, 36, 13, 1), h.cell) << h.x << "," << h.y;
}

TEST(CalendarMath, KeyboardMovesStayAmongTheDayRows)
{
    struct Case {
        GridCell from;
        GridMove move;
        GridCell to;
    };
    const Case cases[] = {
        {{1, 3}, GridMove::Up, {1, 3}},    {{6, 3}, GridMove::Down, {6, 3}},   {{3, 0}, GridMove::Left, {3, 0}},
        {{3, 6}, GridMove::Right, {3, 6}}, {{4, 2}, GridMove::TopRow, {1, 2}}, {{2, 2}, GridMove::BottomRow, {6, 2}},
        {{4, 4}, GridMove::First, {1, 0}}, {{2, 2}, GridMove::Last, {6, 6}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MovedCell(c.from, c.move), c.to) << "move " << static_cast<int>(c.move);
}
