// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "Json.h"
#include "ChartTypes.h"

// The chart's rules in the tool's output, only when one is not the default:
// {"solarTime":true,"equationMinutes":-7.12,"dayChange":0} (equationMinutes
// with true solar time only, to the hundredth), and the text line
// "Правила: истинное солнечное время, −7 мин; смена дня в 0:00\n".
std::optional<Json> RulesJson(const ChartInput &input);
std::string RulesLine(const ChartInput &input);
