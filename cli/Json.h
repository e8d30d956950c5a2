// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

// The tool's JSON: objects keep their keys in the order they are added, and
// each output line is one value dumped once.
using Json = nlohmann::ordered_json;

// Text as the tool echoes it: what is not UTF-8, and control characters
// other than tab, become U+FFFD.
Json TextJson(std::string_view text);

// A number as std::to_chars writes it: the shortest text that reads back
// exactly, fixed or with an exponent, whichever is shorter ("2451545.04",
// "60", "-3.5", "2e+06"). Dumped writes it; nlohmann's dump does not.
Json ShortestNumber(double value);

// One line of output.
std::string Dumped(const Json &value);
