// SPDX-License-Identifier: AGPL-3.0-or-later
#include "RulesFormat.h"

#include <cmath>

#include "SolarTime.h"

std::optional<Json> RulesJson(const ChartInput &input)
{
    if (!input.TrueSolarTime && !input.DayChangeAtMidnight)
        return std::nullopt;
    Json rules = {{"solarTime", input.TrueSolarTime}};
    if (input.TrueSolarTime)
        if (const std::optional<double> minutes = EquationOfTimeMinutes(input))
            rules["equationMinutes"] = std::round(*minutes * 100) / 100;
    rules["dayChange"] = input.DayChangeAtMidnight ? 0 : 23;
    return rules;
}

std::string RulesLine(const ChartInput &input)
{
    const std::string rules = RulesText(input);
    return rules.empty() ? std::string() : "Правила: " + rules + "\n";
}
