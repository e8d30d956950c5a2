// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Ephemeris.h"

#include <swephexp.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {
constexpr int Gregorian = SE_GREG_CAL;
thread_local std::uint64_t sunCalcs = 0;
thread_local std::uint64_t equations = 0;

#if defined(__x86_64__)
__attribute__((target("avx"))) void ZeroUpperVectorHalves() { _mm256_zeroupper(); }

// The ephemeris and the maths library it calls run in SSE code. Should code
// before them (the window toolkit's start-up does) leave the upper halves of
// the AVX registers in use, every SSE instruction pays for it: a calculation
// in the window took four times as long. Clearing them first changes no
// value.
void CleanVectorState()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ZeroUpperVectorHalves();
}
#else
void CleanVectorState() { }
#endif
} // namespace

double JulianDay(std::int32_t year, std::int32_t month, std::int32_t day, double hour)
{
    return swe_julday(year, month, day, hour, Gregorian);
}

CalendarMoment CalendarOf(double julianDay)
{
    int year = 0;
    int month = 0;
    int day = 0;
    double hour = 0;
    swe_revjul(julianDay, Gregorian, &year, &month, &day, &hour);
    return {{year, month, day}, hour};
}

std::optional<double> SunLongitudeAt(double julianDay)
{
    double position[6] = {};
    char error[256] = {};
    ++sunCalcs;
    CleanVectorState();
    if (swe_calc(julianDay, SE_SUN, SEFLG_MOSEPH, position, error) < 0)
        return std::nullopt;
    return position[0];
}

std::uint64_t SunCalcCount() { return sunCalcs; }

std::optional<double> EquationOfTimeAt(double julianDayUt)
{
    double days = 0;
    char error[256] = {};
    ++equations;
    CleanVectorState();
    if (swe_time_equ(julianDayUt, &days, error) < 0)
        return std::nullopt;
    return days;
}

std::uint64_t EquationOfTimeCount() { return equations; }
