// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MomentText.h"
#include "ChartRequest.h"

#include <algorithm>
#include <cstdio>

#include "Csv.h"
#include "FieldText.h"
#include "Gregorian.h"
#include "InputFields.h"
#include "SplitText.h"
#include "TimeScale.h"
#include "Translation.h"
#include "Utf8Text.h"

namespace {

// Digits only, at most maxDigits of them.
std::optional<int> ParseDigits(std::string_view text, std::size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    return ParseDecimal(text);
}

ChartRequest Failure(std::string message) { return {std::nullopt, std::move(message)}; }

// Sets the checked number or returns the error naming the field.
// The range is the one the window's field keeps.
std::optional<std::string> CheckRange(const QString &field, std::string_view text, std::optional<int> value,
                                      InputFields::Field kept, int &out)
{
    const int low = SpecOf(kept).Low;
    const int high = SpecOf(kept).High;
    const std::string name = field.toStdString();
    if (!value)
        return Filled(Translate("ChartRequest", "%1 \"%2\" is not a number"), name, text);
    if (*value < low || *value > high)
        return Filled(Translate("ChartRequest", "%1 \"%2\" is outside %3..%4"), name, text, std::to_string(low),
                      std::to_string(high));
    out = *value;
    return std::nullopt;
}

std::optional<std::string> ParseDate(std::string_view text, ChartInput &input)
{
    const auto parts = SplitAt(text, '.');
    if (parts.size() != 3)
        return Filled(Translate("ChartRequest", "date \"%1\" is not DD.MM.YYYY"), text);
    const auto day = ParseDigits(parts[0], 2);
    const auto month = ParseDigits(parts[1], 2);
    const auto year = ParseDigits(parts[2], 4);
    if (!day || !month || !year)
        return Filled(Translate("ChartRequest", "date \"%1\" is not DD.MM.YYYY"), text);
    if (parts[2].size() != 4)
        return Filled(Translate("ChartRequest", "year \"%1\" of date \"%2\" is not four digits"), parts[2], text);
    if (auto error = CheckRange(Translate("ChartRequest", "year"), parts[2], year, InputFields::Year, input.Year))
        return error;
    if (!DateExists(*year, *month, *day))
        return Filled(Translate("ChartRequest", "date \"%1\" does not exist"), text);
    input.Month = *month;
    input.Day = *day;
    return std::nullopt;
}

std::optional<std::string> ParseTime(std::string_view text, ChartInput &input)
{
    const auto parts = SplitAt(text, ':');
    if (parts.size() != 2)
        return Filled(Translate("ChartRequest", "time \"%1\" is not HH:MM"), text);
    if (auto error = CheckRange(Translate("ChartRequest", "hour"), parts[0], ParseDigits(parts[0], 2),
                                InputFields::Hour, input.Hour))
        return error;
    return CheckRange(Translate("ChartRequest", "minute"), parts[1], ParseDigits(parts[1], 2), InputFields::Minute,
                      input.Minute);
}

// Whole hours ("4", "-5"), or an exact offset as the tool writes it:
// "5:30", "-9:30", "2:30:17".
std::optional<std::string> ParseCorrection(std::string_view text, ChartInput &input)
{
    const auto parts = SplitAt(text, ':');
    const QString field = Translate("ChartRequest", "correction");
    if (parts.size() == 1)
        return CheckRange(field, text, ParseDecimal(text), InputFields::Correction, input.Correction);
    int hours = 0;
    if (auto error = CheckRange(field, text, ParseDecimal(parts[0]), InputFields::Correction, hours))
        return error;
    // Minutes and seconds are two digits each, as the tool writes them.
    const bool twoDigits = std::all_of(parts.begin() + 1, parts.end(), [](auto part) { return part.size() == 2; });
    const auto minutes = ParseDigits(parts[1], 2);
    const auto seconds = parts.size() == 3 ? ParseDigits(parts[2], 2) : std::optional(0);
    if (parts.size() > 3 || !twoDigits || !minutes || !seconds || *minutes > 59 || *seconds > 59)
        return Filled(Translate("ChartRequest", "correction \"%1\" is not H, H:MM or H:MM:SS"), text);
    const int size = (hours < 0 ? -hours : hours) * 3600 + *minutes * 60 + *seconds;
    const int high = SpecOf(InputFields::Correction).High;
    if (size > high * 3600)
        return Filled(Translate("ChartRequest", "%1 \"%2\" is outside %3..%4"), field.toStdString(), text,
                      std::to_string(SpecOf(InputFields::Correction).Low), std::to_string(high));
    SetClockOffset(input, parts[0].starts_with('-') ? -size : size);
    return std::nullopt;
}

std::optional<std::string> ParseLongitude(std::string_view text, std::string_view hemisphere, ChartInput &input)
{
    const auto parts = SplitAt(text, ':');
    if (parts.size() != 2)
        return Filled(Translate("ChartRequest", "longitude \"%1\" is not DDD:MM"), text);
    if (auto error = CheckRange(Translate("ChartRequest", "longitude degrees"), parts[0], ParseDigits(parts[0], 3),
                                InputFields::Degrees, input.LongitudeDegrees))
        return error;
    if (auto error = CheckRange(Translate("ChartRequest", "longitude minutes"), parts[1], ParseDigits(parts[1], 2),
                                InputFields::Minutes, input.LongitudeMinutes))
        return error;
    if (hemisphere != "E" && hemisphere != "W") {
        // A Cyrillic Е or В looks like the Latin letter it is taken for.
        const bool ascii = hemisphere.size() == 1 && static_cast<unsigned char>(hemisphere[0]) < 0x80;
        return ascii ? Filled(Translate("ChartRequest", "hemisphere \"%1\" is not E or W"), hemisphere)
                     : Filled(Translate("ChartRequest", "hemisphere \"%1\" is not E or W (Latin letters)"), hemisphere);
    }
    input.Hemisphere = std::string(hemisphere);
    return std::nullopt;
}

} // namespace

ChartRequest ParseFields(std::string_view date, std::string_view time, std::string_view correction,
                         std::string_view longitude, std::string_view hemisphere)
{
    ChartInput input;
    if (auto error = ParseDate(date, input))
        return Failure(*error);
    if (auto error = ParseTime(time, input))
        return Failure(*error);
    if (auto error = ParseCorrection(correction, input))
        return Failure(*error);
    if (auto error = ParseLongitude(longitude, hemisphere, input))
        return Failure(*error);
    return {input, {}};
}

ChartRequest ParseRequest(std::string_view date, std::string_view time, std::string_view correction,
                          std::string_view longitude)
{
    // The hemisphere is the last character, whatever its length in bytes.
    const std::string_view hemisphere = LastCharacter(longitude);
    if (hemisphere.empty() || (hemisphere.front() >= '0' && hemisphere.front() <= '9'))
        return Failure(Filled(Translate("ChartRequest", "longitude \"%1\" is not DDD:MM{E|W}"), longitude));
    return ParseFields(date, time, correction, longitude.substr(0, longitude.size() - hemisphere.size()), hemisphere);
}

ChartRequest ParseCsvFields(const BatchFields &f)
{
    if (f.Count() != 5)
        return Failure(
            Filled(Translate("ChartRequest", "line \"%1\" is not DD.MM.YYYY,HH:MM,CORR,DDD:MM,H"), f.Line()));
    return ParseFields(f[0], f[1], f[2], f[3], f[4]);
}

std::string CsvLineOf(const ChartInput &input)
{
    std::string correction = SignedOffsetText(OffsetSecondsOf(input));
    if (correction.front() == '+')
        correction.erase(0, 1);
    return CsvRecord({DateText({input.Year, input.Month, input.Day}), TimeText(input.Hour, input.Minute), correction,
                      LongitudeDigits(input), input.Hemisphere});
}
