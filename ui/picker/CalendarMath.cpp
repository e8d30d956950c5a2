// SPDX-License-Identifier: AGPL-3.0-or-later
#include "CalendarMath.h"

#include <algorithm>

#include "Gregorian.h"

int DayOfWeek(const CalendarDate &date)
{
    // 1 January of year 1, day 1, was a Monday.
    return static_cast<int>(FloorMod(DayCount(date), 7));
}

int FirstCellDay(int year, int month, int startOfWeek)
{
    // The first of the month goes into row 1 at its weekday's column, so
    // row 1 never stays empty and a month never begins in row 2.
    const int column = static_cast<int>(FloorMod(DayOfWeek({year, month, 1}) - startOfWeek, 7));
    return 1 - column;
}

GridCell CellOfDay(int day, int firstCellDay)
{
    const int n = day - firstCellDay;
    return {n / CalendarColumns + 1, n % CalendarColumns};
}

int DayInCell(const GridCell &cell, int firstCellDay, int monthLength)
{
    if (cell.Row < 1)
        return 0;
    const int n = firstCellDay + cell.Column + (cell.Row - 1) * CalendarColumns;
    return n >= 1 && n <= monthLength ? n : 0;
}

int CellExtent(int gridExtent, int lineWidth) { return (gridExtent - 6 * lineWidth) / 7; }

int CentredOffset(int cellExtent, int textExtent) { return (cellExtent - textExtent) / 2; }

std::optional<GridCell> CellAt(int x, int y, int columnWidth, int rowHeight, int lineWidth)
{
    if (x < 0 || y < 0)
        return std::nullopt;
    const GridCell cell{y / (rowHeight + lineWidth), x / (columnWidth + lineWidth)};
    if (cell.Row >= CalendarRows || cell.Column >= CalendarColumns)
        return std::nullopt;
    return cell;
}

GridCell MovedCell(const GridCell &from, GridMove move)
{
    constexpr int top = 1, bottom = CalendarRows - 1, left = 0, right = CalendarColumns - 1;
    switch (move) {
    case GridMove::Left:
        return {from.Row, std::max(from.Column - 1, left)};
    case GridMove::Right:
        return {from.Row, std::min(from.Column + 1, right)};
    case GridMove::Up:
        return {std::max(from.Row - 1, top), from.Column};
    case GridMove::Down:
        return {std::min(from.Row + 1, bottom), from.Column};
    case GridMove::RowStart:
        return {from.Row, left};
    case GridMove::RowEnd:
        return {from.Row, right};
    case GridMove::TopRow:
        return {top, from.Column};
    case GridMove::BottomRow:
        return {bottom, from.Column};
    case GridMove::First:
        return {top, left};
    case GridMove::Last:
        return {bottom, right};
    }
    return from;
}

std::optional<CalendarDate> MonthStep(const CalendarDate &date, int delta)
{
    int year = date.Year;
    int month = date.Month + delta;
    if (month < 1) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
    if (year < 1 || year > 9999)
        return std::nullopt;
    return CalendarDate{year, month, std::min(date.Day, DaysInMonth(year, month))};
}
