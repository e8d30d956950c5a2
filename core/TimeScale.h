// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "ChartTypes.h"

// The chart moment on the Julian-day scale, and the calendar date and hour of
// local mean time moved one hour later (the day pillar changes at 23:00).

// Degrees, east positive: "E" gives degrees + minutes / 60, any other
// hemisphere the negative of it, since local mean time runs behind UT there.
double LongitudeOf(const ChartInput &input);
// The same longitude in seconds of time, east positive: four a minute of arc.
std::int32_t LongitudeSecondsOf(const ChartInput &input);

// The clock's offset from Universal Time: OffsetSeconds when given, else the
// whole hours of Correction; in seconds, and in hours as the time scale and
// the solar terms use it (Correction exactly, for whole hours).
std::int32_t OffsetSecondsOf(const ChartInput &input);
double CorrectionHoursOf(const ChartInput &input);

// Sets the clock's offset, seconds east of Universal Time: Correction to
// its whole hours and OffsetSeconds when there is more than whole hours.
void SetClockOffset(ChartInput &input, std::int32_t seconds);

// "+4", "-3", "+0", "+5:30", "-9:30", "+2:30:17".
std::string SignedOffsetText(std::int32_t seconds);

// Decimal hours handed to swe_julday with the entered date:
// Hour + Minute / 60 - correction hours + Longitude / 15 + 1; may be
// negative or 24+.
double ChartTimeOf(const ChartInput &input);

struct ChartMoment {
    double Longitude = 0;       // degrees, east positive
    double ChartTime = 0;       // hours, see ChartTimeOf
    double ChartJD = 0;         // Julian day (UT scale of swe_julday)
    CalendarDate ChartDate;     // date of local mean time + 1 hour
    std::int32_t ChartHour = 0; // whole hour of local mean time, 0..23
};

// Everything of the moment but the sun's longitude (which can fail), for the
// entered clock time moved by laterSeconds (any sign; the entered date and
// the shifted hour go to swe_julday as they are, which carries them).
ChartMoment ChartMomentOf(const ChartInput &input, std::int64_t laterSeconds = 0);

// Local mean time + 1 hour of the entered clock moment, in whole seconds
// from 0:00 of the entered date: ChartTimeOf times 3600, without rounding
// (clock, offset and longitude are whole seconds of time).
std::int64_t ChartSecondsOf(const ChartInput &input);

struct DateAndHour {
    CalendarDate Date;
    std::int32_t Hour = 0;
};

// Date and local-mean hour of a Julian day that lies on a whole second of
// time (every chart moment does): the decimal hour is taken to the nearest
// second first, so the round trip through swe_revjul cannot land a hair
// before a whole hour. The date is that of the Julian day, the hour one less.
DateAndHour ChartDateAndHour(double julianDay);
