// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The chart types shared by the calculation, the window, the tool and the tests.

// Values read from the input fields for one calculation. Ranges are those the
// field editing rules keep; the calculation checks only that the date exists.
struct ChartInput {
    std::int32_t Day = 1;              // 1..31
    std::int32_t Month = 1;            // 1..12
    std::int32_t Year = 2000;          // Gregorian, 1..9999 (ephemeris ends in 3003)
    std::int32_t Hour = 0;             // clock hour, 0..23
    std::int32_t Minute = 0;           // 0..59
    std::int32_t Correction = 0;       // clock minus Universal Time, whole hours, -23..23
    std::int32_t LongitudeDegrees = 0; // 0..179
    std::int32_t LongitudeMinutes = 0; // minutes of arc, 0..59
    std::string Hemisphere = "E";      // "E" east; anything else counts as west
    // The clock's exact offset from Universal Time in seconds when it is not
    // whole hours (+5:30, local mean time +2:30:17); Correction then holds its
    // whole hours, truncated toward zero. Nothing: Correction is the offset.
    std::optional<std::int32_t> OffsetSeconds = std::nullopt;
    // The chart's time: local mean time, or with TrueSolarTime true solar
    // time, local mean time plus the equation of time at the chart's moment
    // in whole seconds; it then stands for local mean time in every rule of
    // the chart (hour, day, month and year change, squares, luck's start).
    bool TrueSolarTime = false;
    // The day pillar: from 23:00 of the chart's time it is the next day's;
    // with DayChangeAtMidnight it stays the date's own until 24:00 (the
    // hour pillar is the same under both).
    bool DayChangeAtMidnight = false;
};

// Why a calculation gave nothing: the date does not exist, or the moment or
// a solar term it needs lies outside the ephemeris. Values, not words: the
// window and the tool word them (ChartErrorText.h).
enum class ChartError { None, DateDoesNotExist, EphemerisRange };

// One of the ten element tokens, UTF-8: "ДЕР", "дер", "ОГО", "ого", "ЗЕМ",
// "зем", "МЕТ", "мет", "ВОД", "вод"; empty before the first calculation.
using Token = std::string;

struct Pillar {
    Token Stem;
    Token Branch;
    bool operator==(const Pillar &) const = default;
};

// 3 x 3 grid addressed [row][column], row 0 at the top, as drawn.
using Square = std::array<std::array<std::int32_t, 3>, 3>;

// The last complete result of the window. Squares are all 0 before the first
// calculation and hold 1..9 after it.
struct ChartResult {
    Pillar HourPillar;
    Pillar DayPillar;
    Pillar MonthPillar;
    Pillar YearPillar;
    Square YearSquare{};
    Square MonthSquare{};
    bool operator==(const ChartResult &) const = default;
};

// A Gregorian calendar date; years before 1 use astronomical numbering.
struct CalendarDate {
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = 0;
    bool operator==(const CalendarDate &) const = default;
};

// A local clock time to the second.
struct ClockTime {
    CalendarDate Date;
    std::int32_t Hour = 0;   // 0..23
    std::int32_t Minute = 0; // 0..59
    std::int32_t Second = 0; // 0..59
    bool operator==(const ClockTime &) const = default;
};
