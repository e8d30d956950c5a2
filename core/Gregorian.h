// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>

#include "ChartTypes.h"

// Gregorian calendar rules and floored integer arithmetic, valid for any year
// (years before 1 in astronomical numbering).

constexpr bool IsLeapYear(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days in month 1..12.
constexpr int DaysInMonth(std::int64_t year, int month)
{
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// True for a date that exists within years 1..9999.
constexpr bool DateExists(std::int64_t year, std::int64_t month, std::int64_t day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= DaysInMonth(year, static_cast<int>(month));
}

// Division rounding toward minus infinity, and the remainder that goes with
// it (never negative for a positive divisor).
constexpr std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t q = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? q - 1 : q;
}

constexpr std::int64_t FloorMod(std::int64_t value, std::int64_t divisor)
{
    return value - divisor * FloorDiv(value, divisor);
}

// Days from 31 December of year 0 to the date: 1 January of year 1 is day 1.
constexpr std::int64_t DayCount(const CalendarDate &date)
{
    const std::int64_t y = std::int64_t(date.Year) - 1;
    std::int64_t days = 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) + date.Day;
    for (int m = 1; m < date.Month; ++m)
        days += DaysInMonth(date.Year, m);
    return days;
}
