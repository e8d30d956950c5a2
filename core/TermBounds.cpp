// SPDX-License-Identifier: AGPL-3.0-or-later
#include "TermBounds.h"

TermBounds TermBounds::For(double target)
{
    if (target == 315)
        return {315.1, 315.01, 315.001, 314.9, 314.99, 314.999};
    if (target == 345)
        return {345.1, 345.01, 345.001, 344.9, 344.99, 344.999};
    const double base = 30.0 * static_cast<int>((target - 15) / 30);
    return {base + 15.1, base + 15.01, base + 15.001, base + 14.9, base + 14.99, base + 14.999};
}

double TermBounds::StepAt(double L) const
{
    if (L > Above1)
        return -0.5;
    if (L > Above2)
        return -0.05;
    if (L > Above3)
        return -0.005;
    if (L < Below1)
        return 0.5;
    if (L < Below2)
        return 0.05;
    if (L < Below3)
        return 0.005;
    return 0;
}

double TermBounds::ExitLevel(double step) const
{
    if (step == -0.5)
        return Above1;
    if (step == -0.05)
        return Above2;
    if (step == -0.005)
        return Above3;
    if (step == 0.5)
        return Below1;
    if (step == 0.05)
        return Below2;
    return Below3;
}
