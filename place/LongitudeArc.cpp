// SPDX-License-Identifier: AGPL-3.0-or-later
#include "LongitudeArc.h"

#include <algorithm>
#include <cmath>

LongitudeArc ArcOf(double longitude)
{
    constexpr long long Largest = 179 * 60 + 59;
    const long long minutes = std::min(std::llround(std::fabs(longitude) * 60), Largest);
    const bool west = longitude < 0 && minutes > 0;
    return {int(minutes / 60), int(minutes % 60), west ? QStringLiteral("W") : QStringLiteral("E")};
}
