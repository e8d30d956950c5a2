// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>

#include "ChartTypes.h"

// The year and month feng-shui squares: nine numbers 1..9 in the Lo Shu
// arrangement around a centre number.

// Offsets of the year square from 2000 - SquareYear, by rows.
extern const Square YearSquareBase;

// Centre of the month square by YearGroup (0..2) and SolarMonth - 1 (0..11).
extern const std::int32_t MonthCentreTable[3][12];

// Any integer brought into 1..9 by steps of nine (its residue mod 9, 9 for 0).
std::int32_t ReduceIntoNine(std::int64_t value);

// Cell (r, c) = 2000 - squareYear + YearSquareBase(r, c), reduced; any year.
Square ComputeYearSquare(std::int32_t squareYear);

// Around the centre MonthCentreTable(yearGroup, solarMonth); yearGroup 0..2,
// solarMonth 1..12 (other values are taken modulo 3 and 12).
Square ComputeMonthSquare(std::int32_t yearGroup, std::int32_t solarMonth);
