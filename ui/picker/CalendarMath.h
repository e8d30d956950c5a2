// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>

#include "ChartTypes.h"

// The arithmetic of the month grid: 7 columns, a header row 0 of weekday
// names and day rows 1..6. Dates are Gregorian, years 1..9999.

inline constexpr int CalendarColumns = 7;
inline constexpr int CalendarRows = 7;

// The date conversion's error text, shown as it stands.
inline constexpr char DateEncodeError[] = "Invalid argument to date encode";

struct GridCell {
    int Row = 0;
    int Column = 0;
    bool operator==(const GridCell &) const = default;
};

// Weekday of an existing date, 0 = Sunday .. 6 = Saturday.
int DayOfWeek(const CalendarDate &date);

// The day number (-5..1) that row 1, column 0 stands for, so that the first
// of the month lies in row 1 at column (weekday - startOfWeek) mod 7.
// startOfWeek: weekday of column 0, 0 = Sunday.
int FirstCellDay(int year, int month, int startOfWeek);

// The cell of day 1..length of the month.
GridCell CellOfDay(int day, int firstCellDay);

// The day a cell shows, or 0 for the header row and the empty cells.
int DayInCell(const GridCell &cell, int firstCellDay, int monthLength);

// Column width or row height: (grid extent - 6 line widths) div 7.
int CellExtent(int gridExtent, int lineWidth);

// Offset of a text inside its cell: (cell - text) div 2, truncated toward
// zero, so a text wider than its cell starts left of it by the half excess.
int CentredOffset(int cellExtent, int textExtent);

// The cell under a point of the grid (cells are followed by their line), or
// nothing beyond the seventh column or row.
std::optional<GridCell> CellAt(int x, int y, int columnWidth, int rowHeight, int lineWidth);

// Keyboard moves of the current cell among the day rows 1..6.
enum class GridMove { Left, Right, Up, Down, RowStart, RowEnd, TopRow, BottomRow, First, Last };
GridCell MovedCell(const GridCell &from, GridMove move);

// One month back (delta -1) or forward (+1), keeping the day when the month
// reached has it, else its last day. Nothing when the step leaves years 1..9999.
std::optional<CalendarDate> MonthStep(const CalendarDate &date, int delta);
