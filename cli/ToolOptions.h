// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ClockOffset.h"
#include "LuckPillars.h"

// The command line of velmora-chart.

struct ToolOptions {
    std::vector<std::string> Positional; // the date and the time of a single chart
    std::optional<std::string> Correction;
    std::optional<std::string> Longitude;
    std::optional<std::string> Place;    // a city name
    std::optional<std::string> Zone;     // an IANA time zone
    std::optional<std::string> Pdf;      // a file for the printed page, ending in .pdf
    std::optional<std::string> Png;      // a file for the result area, ending in .png
    std::optional<std::string> Fold;     // "earlier" or "later": the offset of a skipped or doubled time
    std::optional<std::string> Luck;     // the sex for the luck pillars: male, female, м or ж; empty: the client's
    std::optional<std::string> Around;   // minutes either way of an uncertain time, 1..1440
    std::optional<std::string> DaysFrom; // --days FROM TO: the almanac of those dates
    std::optional<std::string> DaysTo;
    bool Json = false;
    bool Batch = false;
    bool Header = false;
    bool Help = false;
    bool Reading = false;                     // the chart's reading after the chart
    bool Now = false;                         // the chart of the present minute, instead of a date and a time
    bool SolarTime = false;                   // true solar time in place of local mean time
    std::optional<std::string> DayChange;     // "0" or "23": the hour the day pillar changes at
    std::optional<std::string> Client;        // a client's name or id: the chart of its birth data
    std::optional<std::string> ImportClients; // a CSV file of clients to add
    bool Clients = false;                     // list the clients
    bool ExportClients = false;               // the clients as CSV
    // Set from the client file for --client: the name and the place label.
    std::string ClientName;
    std::string ClientPlace;

    // The values of the options above, read once they are checked.
    ::Fold FoldChoice = ::Fold::None;
    std::optional<Sex> LuckSex;       // with --luck; nothing before --client gives it
    std::int32_t AroundMinutes = 0;   // with --around
    bool DayChangeAtMidnight = false; // --day-change 0
};

// The options, or the usage error (one line) when an option is unknown, lacks
// its value, or does not go with the others.
struct OptionsOutcome {
    std::optional<ToolOptions> Options;
    std::string Error;
};
OptionsOutcome ParseOptions(const std::vector<std::string_view> &arguments);

// Sets the chart rules the options choose (--solar-time, --day-change 0).
struct ChartInput;
void ApplyRules(const ToolOptions &options, ChartInput &input);
