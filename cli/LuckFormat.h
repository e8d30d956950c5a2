// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Json.h"
#include "Gua.h"
#include "LuckPillars.h"
#include "LuckText.h"
#include "Report.h"

// The tool's output of the luck pillars and the Gua number: text under the
// chart's table, or a "luck" object added to the chart's JSON.

// "male" or "м", "female" or "ж"; nothing for anything else.
std::optional<Sex> ParseSex(std::string_view text);

// {"direction":"forward"|"backward","start":{"years":Y,"months":M,"days":D,
// "hours":H},"startMoment":"DD.MM.YYYY HH:MM","pillars":[{"stem","branch",
// "fromAge","fromYear","years":[{"year","stem","branch"},..]},..],"gua":{
// "number":N,"group":"east"|"west","favourable":[..],"unfavourable":[..]}}
Json LuckJson(const LuckChart &luck, const Gua &gua);

// Both forms for a chart, or only the error when the luck pillars cannot be
// found (EphemerisRange: their boundary lies outside the ephemeris).
struct LuckOutput {
    ChartError Error = ChartError::None;
    std::string Text = {};
    ::Json Json = {};
    LuckReport Report = {}; // for the saved report
};
LuckOutput LuckOutputOf(const ChartInput &input, const ChartDetails &chart, Sex sex,
                        const SolarTermOptions &options = {});
