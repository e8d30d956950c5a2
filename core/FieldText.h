// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ChartTypes.h"

// Reading the input fields' texts into numbers, as the calculation does.

// A plain decimal integer: an optional sign and at least one digit, nothing
// else, within 32 bits. "05", "-3" and "+7" are numbers; "", " 5", "5a" are not.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

// The day, month and year texts as a date that exists, or nothing.
std::optional<CalendarDate> ReadDateFields(std::string_view day, std::string_view month, std::string_view year);

// The eight field texts and the hemisphere button's caption.
struct FieldTexts {
    std::string Day, Month, Year, Hour, Minute;
    std::string Correction, LongitudeDegrees, LongitudeMinutes;
    std::string Hemisphere = "E";
};

// The whole input, or nothing when the date does not exist or a numeric text
// is not a decimal integer (both give the message "Установленная дата не существует").
std::optional<ChartInput> ReadChartInput(const FieldTexts &texts);
