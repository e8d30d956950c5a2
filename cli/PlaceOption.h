#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ChartRequest.h"

// The tool's places: --place NAME (the city of that name, see CityNamed, gives
// the longitude and the zone), --tz ZONE (an IANA zone gives the correction
// only), and a zone in place of the correction in a batch line. The
// correction is the clock's offset at the chart's local date and time; an
// offset that is not whole hours, a local time that was skipped or that
// happened twice, and an unknown zone are errors.

struct PlaceOptions {
    std::string Place; // --place, empty when not given
    std::string Zone;  // --tz, empty when not given
};

// What was used, for the output: the city (empty for --tz), its zone and
// the correction, UTF-8. Label is "city, region, country" as the window
// lists it.
struct PlaceUsed {
    std::string Name, Region, Country, Zone;
    int Correction = 0;
    std::string Label;
};

struct PlaceOutcome {
    std::optional<PlaceUsed> Used; // nothing when no option was given or on error
    std::string Error;             // one line; empty on success
};

// Sets the correction (and, for --place, the longitude) of input.
PlaceOutcome ApplyPlaceOptions(const PlaceOptions &options, ChartInput &input);

// The JSON object of one chart with "place":{name, region, country, zone,
// offset} added (only zone and offset for --tz).
std::string JsonWithPlace(const std::string &chartJson, const PlaceUsed &used);

// The line printed above the table: "Место: Казань, Республика Татарстан,
// Россия; пояс Europe/Moscow, поправка 4, долгота 049:07E".
std::string PlaceLine(const PlaceUsed &used, const ChartInput &input);

// A batch line whose third field may name a zone instead of a correction:
// "01.07.1985,10:00,Europe/Moscow,037:37,E".
ChartRequest ParseBatchLine(std::string_view line);
