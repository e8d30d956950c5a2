// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "TermBounds.h"

// One trial moment of a solar-term search: day 4 of the start month plus an
// offset in hours.
struct TermPoint {
    int Index = 0;                   // steps taken from the start of the search
    double Offset = 0;               // hours after 0 h of day 4, any sign
    double Trial = 0;                // Julian day, swe_julday of the start date and Offset
    std::optional<double> Longitude; // the sun's, degrees; nothing where the ephemeris fails
};

// The trial point of year, month (1..12), day 4 and offset hours.
TermPoint TermPointAt(std::int32_t year, std::int32_t month, int index, double offset);

// One run of a search: from an origin the offset grows by the same step,
// o, o + s, (o + s) + s, ... (the same additions the step-by-step search
// makes), as long as the longitude at the trial moment asks for that step.
//
// Since the sun's longitude grows with the offset and each step is taken on
// one interval of longitudes, the points of a run that still ask for its step
// form an unbroken prefix: the end is the first point that asks for another
// step, or where the ephemeris fails (its range is one interval of time too).
// End() finds that point exactly by probing a few points, placed where the
// longitude reaches the edge of the interval at the sun's measured rate.
class TermRun
{
public:
    // origin: a point of the search with a longitude asking for step (not 0).
    // maxSteps: the search evaluates points 0..maxSteps-1 and no more.
    // rate: the sun's motion in degrees per hour of offset, a first estimate.
    TermRun(std::int32_t year, std::int32_t month, const TermBounds &bounds, const TermPoint &origin, double step,
            int maxSteps, double rate);

    // The first point after the origin that does not continue the run, or
    // nothing when the search runs out of steps before it.
    std::optional<TermPoint> End();

    // The rate as measured by the probes, degrees per hour of offset.
    double Rate() const { return rate_; }

private:
    TermPoint At(int index) const;
    int NextProbe(const TermPoint &last, int firstOff, int probes) const;
    bool Continues(const TermPoint &point) const;
    void Measure(const TermPoint &from, const TermPoint &to);

    std::int32_t year_;
    std::int32_t month_;
    TermBounds bounds_;
    TermPoint origin_;
    double step_;
    int maxSteps_;
    double rate_;
};
