// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Json.h"
#include "ChartRequest.h"
#include "ClockOffset.h"

// The tool's places: --place NAME (the city of that name, see CityNamed, gives
// the longitude and the zone), --tz ZONE (an IANA zone gives the correction
// only), and a zone in place of the correction in a batch line. The chart
// takes the clock's exact offset at its local date and time (+5:30, or a
// town's mean time such as +2:30:17). A local time that was skipped or that
// happened twice takes the offset --fold names, and is an error naming both
// offsets without it; an unknown zone is an error.

struct PlaceOptions {
    std::string Place;                  // --place, empty when not given
    std::string Zone;                   // --tz, empty when not given
    Fold SkippedOrDoubled = Fold::None; // --fold
};

// What was used, for the output: the city (empty for --tz), its zone and
// the correction, UTF-8. Label is "city, region, country" as the window
// lists it.
struct PlaceUsed {
    std::string Name, Region, Country, Zone;
    int OffsetSeconds = 0; // the clock's offset the chart took
    std::string Label;
};

struct PlaceOutcome {
    std::optional<PlaceUsed> Used; // nothing when no option was given or on error
    std::string Error;             // one line; empty on success
};

// A zone's place named by the window's label of a city ("Казань,
// Республика Татарстан, Россия"), as a client file keeps it.
void NamePlace(PlaceUsed &used, const std::string &label);

// Sets the correction (and, for --place, the longitude) of input.
PlaceOutcome ApplyPlaceOptions(const PlaceOptions &options, ChartInput &input);

// Adds "place":{name, region, country, zone, offset} to a chart's JSON
// object (only zone and offset for --tz); the offset as "+4", "+5:30".
void AddPlace(Json &chart, const PlaceUsed &used);

// The line printed above the table: "Место: Казань, Республика Татарстан,
// Россия; пояс Europe/Moscow, поправка 4, долгота 049:07E".
std::string PlaceLine(const PlaceUsed &used, const ChartInput &input);

// A batch line whose third field may name a zone instead of a correction:
// "01.07.1985,10:00,Europe/Moscow,037:37,E"; fold as --fold.
ChartRequest ParseBatchLine(const BatchFields &fields, Fold fold = Fold::None);
