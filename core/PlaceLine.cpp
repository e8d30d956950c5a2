// SPDX-License-Identifier: AGPL-3.0-or-later
#include "PlaceLine.h"

#include "MomentText.h"
#include "TimeScale.h"

std::string PlaceLineOf(const std::string &placeName, const ChartInput &input)
{
    return "Место: " + (placeName.empty() ? std::string() : placeName + ", ") + "поправка "
        + SignedOffsetText(OffsetSecondsOf(input)) + ", долгота " + LongitudeText(input);
}
