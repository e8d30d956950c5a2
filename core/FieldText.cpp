// SPDX-License-Identifier: AGPL-3.0-or-later
#include "FieldText.h"

#include <charconv>

#include "Gregorian.h"

std::optional<std::int32_t> ParseDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<CalendarDate> ReadDateFields(std::string_view day, std::string_view month, std::string_view year)
{
    const auto d = ParseDecimal(day);
    const auto m = ParseDecimal(month);
    const auto y = ParseDecimal(year);
    if (!d || !m || !y || !DateExists(*y, *m, *d))
        return std::nullopt;
    return CalendarDate{*y, *m, *d};
}

std::optional<ChartInput> ReadChartInput(const FieldTexts &texts)
{
    const auto date = ReadDateFields(texts.Day, texts.Month, texts.Year);
    const auto correction = ParseDecimal(texts.Correction);
    const auto degrees = ParseDecimal(texts.LongitudeDegrees);
    const auto minutes = ParseDecimal(texts.LongitudeMinutes);
    const auto hour = ParseDecimal(texts.Hour);
    const auto minute = ParseDecimal(texts.Minute);
    if (!date || !correction || !degrees || !minutes || !hour || !minute)
        return std::nullopt;
    ChartInput input;
    input.Day = date->Day;
    input.Month = date->Month;
    input.Year = date->Year;
    input.Hour = *hour;
    input.Minute = *minute;
    input.Correction = *correction;
    input.LongitudeDegrees = *degrees;
    input.LongitudeMinutes = *minutes;
    input.Hemisphere = texts.Hemisphere;
    return input;
}
