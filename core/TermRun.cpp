// SPDX-License-Identifier: AGPL-3.0-or-later
#include "TermRun.h"

#include <algorithm>
#include <cmath>

#include "Ephemeris.h"

namespace {
// Probes placed by the measured rate land on the end or next to it; should
// they not have closed in on it after this many, halving takes over, so even
// a longitude that does not behave as expected is searched in a few dozen.
constexpr int RateGuidedProbes = 6;
} // namespace

TermPoint TermPointAt(std::int32_t year, std::int32_t month, int index, double offset)
{
    const double trial = JulianDay(year, month, 4, offset);
    return {index, offset, trial, SunLongitudeAt(trial)};
}

TermRun::TermRun(std::int32_t year, std::int32_t month, const TermBounds &bounds, const TermPoint &origin, double step,
                 int maxSteps, double rate)
    : year_(year)
    , month_(month)
    , bounds_(bounds)
    , origin_(origin)
    , step_(step)
    , maxSteps_(maxSteps)
    , rate_(rate)
{ }

std::optional<TermPoint> TermRun::End()
{
    // Invariant: every point up to last continues the run, and none from
    // firstOff on does (maxSteps stands for the points never reached).
    TermPoint last = origin_;
    std::optional<TermPoint> end;
    int firstOff = maxSteps_;
    for (int probes = 0; firstOff - last.Index > 1; ++probes) {
        const TermPoint probe = At(NextProbe(last, firstOff, probes));
        Measure(last, probe);
        if (Continues(probe)) {
            last = probe;
        } else {
            firstOff = probe.Index;
            end = probe;
        }
    }
    return end;
}

TermPoint TermRun::At(int index) const
{
    double offset = origin_.Offset;
    for (int i = origin_.Index; i < index; ++i)
        offset += step_;
    return TermPointAt(year_, month_, index, offset);
}

int TermRun::NextProbe(const TermPoint &last, int firstOff, int probes) const
{
    if (probes < RateGuidedProbes) {
        // The first point past the exit level, were the longitude linear.
        const double steps = (bounds_.ExitLevel(step_) - *last.Longitude) / (rate_ * step_);
        const double guess = std::ceil(last.Index + steps);
        if (std::isfinite(guess) && guess > last.Index)
            return static_cast<int>(std::min(guess, firstOff - 1.0));
    }
    return last.Index + (firstOff - last.Index) / 2;
}

bool TermRun::Continues(const TermPoint &point) const
{
    return point.Longitude && bounds_.StepAt(*point.Longitude) == step_;
}

void TermRun::Measure(const TermPoint &from, const TermPoint &to)
{
    if (!to.Longitude)
        return;
    const double rate = (*to.Longitude - *from.Longitude) / (to.Offset - from.Offset);
    if (std::isfinite(rate) && rate > 0)
        rate_ = rate;
}
