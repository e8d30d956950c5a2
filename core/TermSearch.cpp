// SPDX-License-Identifier: AGPL-3.0-or-later
#include "TermSearch.h"

#include "Ephemeris.h"
#include "TermBounds.h"
#include "TermRun.h"

namespace {

// The sun's mean motion, degrees per hour: the first guess of each search.
constexpr double MeanSunRate = 0.9856 / 24;

// Every step in turn, with the six tests written out as the reference for
// the fast search (which shares only the bounds with it).
std::optional<double> SearchLiteral(std::int32_t year, std::int32_t month, double target, int maxSteps)
{
    const TermBounds b = TermBounds::For(target);
    double offset = 0;
    for (int step = 0; step < maxSteps; ++step) {
        const double trial = JulianDay(year, month, 4, offset);
        const std::optional<double> longitude = SunLongitudeAt(trial);
        if (!longitude)
            return std::nullopt;
        const double L = *longitude;
        if (L > b.Above1)
            offset -= 0.5;
        else if (L > b.Above2)
            offset -= 0.05;
        else if (L > b.Above3)
            offset -= 0.005;
        else if (L < b.Below1)
            offset += 0.5;
        else if (L < b.Below2)
            offset += 0.05;
        else if (L < b.Below3)
            offset += 0.005;
        else
            return trial;
    }
    return std::nullopt;
}

// From run end to run end. Adding a negative step gives the same double as
// subtracting its size, so the runs retrace the offsets of SearchLiteral.
std::optional<double> SearchFast(std::int32_t year, std::int32_t month, double target, int maxSteps)
{
    if (maxSteps <= 0)
        return std::nullopt;
    const TermBounds bounds = TermBounds::For(target);
    TermPoint point = TermPointAt(year, month, 0, 0.0);
    double rate = MeanSunRate;
    while (point.Longitude) {
        const double step = bounds.StepAt(*point.Longitude);
        if (step == 0)
            return point.Trial;
        TermRun run(year, month, bounds, point, step, maxSteps, rate);
        const std::optional<TermPoint> end = run.End();
        if (!end)
            return std::nullopt;
        point = *end;
        rate = run.Rate();
    }
    return std::nullopt;
}

} // namespace

std::optional<double> SearchTerm(std::int32_t year, std::int32_t month, double target, TermSearch search, int maxSteps)
{
    return search == TermSearch::Literal ? SearchLiteral(year, month, target, maxSteps)
                                         : SearchFast(year, month, target, maxSteps);
}
