// SPDX-License-Identifier: AGPL-3.0-or-later
#include "RulesFormat.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "SolarTime.h"

std::optional<std::string> RulesJson(const ChartInput &input)
{
    if (!input.TrueSolarTime && !input.DayChangeAtMidnight)
        return std::nullopt;
    nlohmann::ordered_json rules = {{"solarTime", input.TrueSolarTime}};
    if (input.TrueSolarTime)
        if (const std::optional<double> minutes = EquationOfTimeMinutes(input))
            rules["equationMinutes"] = std::round(*minutes * 100) / 100;
    rules["dayChange"] = input.DayChangeAtMidnight ? 0 : 23;
    return rules.dump();
}

std::string RulesLine(const ChartInput &input)
{
    const std::string rules = RulesText(input);
    return rules.empty() ? std::string() : "Правила: " + rules + "\n";
}
