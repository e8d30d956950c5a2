// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Json.h"
#include "ChartSpan.h"

// The tool's output of an uncertain time (--around) and of the change
// nearest to a chart's moment.

// "--around" minutes: a whole number 1..MaxSpanMinutes, or nothing.
std::optional<std::int32_t> ParseAroundMinutes(std::string_view text);

// Each chart of the span under a line "с DD.MM.YYYY HH:MM:SS до ...", the
// changes at its start after it, the chart's table under it; a note first
// when the span was cut at the edge of the dates. With a zone (not empty)
// the times are that zone's clock readings, a reading on another offset
// than the entered moment's followed by it: "01:30:00 +3".
std::string FormatAroundText(const ChartInput &input, const ChartSpan &span, const std::string &zone);

// {"input":CASE,"around":[{"from":..,"to":..,"pillars":{..},"yearSquare":..,
// "monthSquare":..,"changes":[..]},..]}, and "cut":true when the span was cut.
// With a zone, a range whose start or end is read on another offset than
// the entered moment's has "offset" (of "from") and "toOffset" (of "to"),
// as "+3", after "to".
Json AroundJson(std::string_view input, const ChartInput &chart, const ChartSpan &span, const std::string &zone);

// {"what":["hour",..],"minutes":-3.5}: minutes negative for a change before the moment.
Json NearestChangeJson(const NearestChange &change);
