// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SolarTime.h"

#include <cmath>

#include "Ephemeris.h"
#include "TimeScale.h"

namespace {

// The clock moment less the clock's offset; the date and the shifted time
// go to swe_julday as they are, which carries them into other days.
std::optional<double> EquationDaysAt(const ChartInput &input, std::int64_t laterSeconds)
{
    const std::int64_t seconds = input.Hour * 3600 + input.Minute * 60 - OffsetSecondsOf(input) + laterSeconds;
    return EquationOfTimeAt(JulianDay(input.Year, input.Month, input.Day, static_cast<double>(seconds) / 3600));
}

} // namespace

std::optional<std::int32_t> EquationSecondsAt(const ChartInput &input, std::int64_t laterSeconds)
{
    const std::optional<double> days = EquationDaysAt(input, laterSeconds);
    if (!days)
        return std::nullopt;
    return static_cast<std::int32_t>(std::lround(*days * 86400));
}

std::optional<double> EquationOfTimeMinutes(const ChartInput &input)
{
    const std::optional<double> days = EquationDaysAt(input, 0);
    if (!days)
        return std::nullopt;
    return *days * 1440;
}

std::string RulesText(const ChartInput &input)
{
    std::string text;
    if (input.TrueSolarTime) {
        text = "истинное солнечное время";
        if (const std::optional<double> minutes = EquationOfTimeMinutes(input)) {
            const long rounded = std::lround(*minutes);
            // A true minus sign, as Russian typesetting writes it.
            text += ", "
                + std::string(rounded < 0       ? "\u2212"
                                  : rounded > 0 ? "+"
                                                : "")
                + std::to_string(std::labs(rounded)) + " мин";
        }
    }
    if (input.DayChangeAtMidnight)
        text += std::string(text.empty() ? "" : "; ") + "смена дня в 0:00";
    return text;
}
