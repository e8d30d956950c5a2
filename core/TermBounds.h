// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

// The six longitude bounds of a solar-term search and the step the search
// takes at a given longitude. All longitudes in degrees, steps in hours.
struct TermBounds {
    double Above1 = 0, Above2 = 0, Above3 = 0; // target + 0.1, + 0.01, + 0.001
    double Below1 = 0, Below2 = 0, Below3 = 0; // target - 0.1, - 0.01, - 0.001

    // Bounds of target 315 or 345 (the numbers as written: 315.1, not
    // 300 + 15.1, which may differ in the last bit) or of 15 + 30k, computed
    // as 30k + 15.1, 30k + 15.01 and so on.
    static TermBounds For(double target);

    // The signed offset step at longitude L: -0.5, -0.05, -0.005 above the
    // target, +0.5, +0.05, +0.005 below it, 0 (stop) within 0.001 degree;
    // the first of the six tests in that order decides. As the bounds are
    // ordered, each step is taken on one interval of L, and the steps follow
    // each other along L as +0.5, +0.05, +0.005, 0, -0.005, -0.05, -0.5.
    double StepAt(double L) const;

    // The end of the interval of L on which step is taken, on the side a
    // search taking that step moves towards (the sun's longitude grows with
    // the offset, so a positive step moves L up).
    double ExitLevel(double step) const;
};
