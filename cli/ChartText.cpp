#include "ChartText.h"

#include "ChartFormat.h"
#include "PlaceLine.h"
#include "TimeScale.h"

#include <cstdio>

std::string FormatHeader(const ChartInput &input)
{
    char line[160];
    std::snprintf(line, sizeof line, "%02d.%02d.%04d %02d:%02d, поправка %s, долгота %03d:%02d%s", input.Day,
                  input.Month, input.Year, input.Hour, input.Minute, SignedOffsetText(OffsetSecondsOf(input)).c_str(),
                  input.LongitudeDegrees, input.LongitudeMinutes, input.Hemisphere == "E" ? "E" : "W");
    return line;
}

std::string FormatChartText(const ChartInput &input, const ChartResult &result, const std::string &placeName)
{
    const std::string place = placeName.empty() ? std::string() : PlaceLineOf(placeName, input) + "\n";
    return FormatHeader(input) + "\n" + place + FormatTable(result);
}
