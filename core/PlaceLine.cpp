// SPDX-License-Identifier: AGPL-3.0-or-later
#include "PlaceLine.h"

#include <cstdio>

#include "TimeScale.h"

std::string PlaceLineOf(const std::string &placeName, const ChartInput &input)
{
    char longitude[16];
    std::snprintf(longitude, sizeof longitude, "%03d:%02d%s", input.LongitudeDegrees, input.LongitudeMinutes,
                  input.Hemisphere == "E" ? "E" : "W");
    return "Место: " + (placeName.empty() ? std::string() : placeName + ", ") + "поправка "
        + SignedOffsetText(OffsetSecondsOf(input)) + ", долгота " + longitude;
}
