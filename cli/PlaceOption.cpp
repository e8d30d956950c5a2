// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MomentText.h"
#include "PlaceOption.h"

#include <cstdio>

#include "ChartFormat.h"
#include "CityIndex.h"
#include "CityNamed.h"
#include "ClockOffset.h"
#include "LongitudeArc.h"
#include "Translation.h"

namespace {

std::string Utf8(const QString &text) { return text.toUtf8().toStdString(); }

std::string Offsets(const ClockOffset &offset, const QString &separator)
{
    return Utf8(OffsetsText(offset.Seconds, separator));
}

// Why the zone gives the local time no offset: unknown, or skipped or
// doubled with no --fold to choose.
std::string OffsetError(std::string_view zone, const ClockOffset &offset, const ChartInput &input)
{
    switch (offset.Type) {
    case ClockOffset::Kind::Skipped:
        return Filled(Translate("PlaceOption",
                                "zone \"%1\" at %2: no such local time, the clocks moved forward "
                                "(%3); \"--fold earlier\" or \"--fold later\" chooses"),
                      zone, MomentText(input), Offsets(offset, Translate("PlaceOption", " then ")));
    case ClockOffset::Kind::Doubled:
        return Filled(Translate("PlaceOption",
                                "zone \"%1\" at %2: the local time happened twice, the clocks moved "
                                "back (%3); \"--fold earlier\" or \"--fold later\" chooses"),
                      zone, MomentText(input), Offsets(offset, Translate("PlaceOption", " or ")));
    default:
        break;
    }
    return Filled(Translate("PlaceOption", "unknown time zone \"%1\" (use a name such as \"Europe/Moscow\")"), zone);
}

// Sets the clock's offset from the zone, or returns the error.
std::optional<std::string> SetCorrection(std::string_view zone, Fold fold, ChartInput &input)
{
    const ClockOffset offset = OffsetAt(QByteArray(zone.data(), qsizetype(zone.size())),
                                        QDate(input.Year, input.Month, input.Day), QTime(input.Hour, input.Minute));
    const std::optional<int> chosen = ChosenOffset(offset, fold);
    if (!chosen)
        return OffsetError(zone, offset, input);
    SetClockOffset(input, *chosen);
    return std::nullopt;
}

PlaceOutcome ApplyCity(const std::string &query, Fold fold, ChartInput &input)
{
    const NamedCity named = CityNamed(CityIndex::Shared(), QString::fromUtf8(query));
    if (!named.Found)
        return {std::nullopt, Utf8(named.Error)};
    const City &city = *named.Found;
    if (auto error = SetCorrection(city.Zone.toStdString(), fold, input))
        return {std::nullopt, Filled(Translate("PlaceOption", "place \"%1\": %2"), Utf8(city.Label()), *error)};
    const LongitudeArc arc = ArcOf(city.Longitude);
    input.LongitudeDegrees = arc.Degrees;
    input.LongitudeMinutes = arc.Minutes;
    input.Hemisphere = Utf8(arc.Hemisphere);
    return {PlaceUsed{Utf8(city.Name), Utf8(city.Region), Utf8(city.Country), city.Zone.toStdString(),
                      OffsetSecondsOf(input), Utf8(city.Label())},
            {}};
}

bool NamesZone(std::string_view field)
{
    for (const char c : field)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            return true;
    return false;
}

} // namespace

PlaceOutcome ApplyPlaceOptions(const PlaceOptions &options, ChartInput &input)
{
    if (!options.Place.empty())
        return ApplyCity(options.Place, options.SkippedOrDoubled, input);
    if (options.Zone.empty())
        return {};
    if (auto error = SetCorrection(options.Zone, options.SkippedOrDoubled, input))
        return {std::nullopt, *error};
    return {PlaceUsed{{}, {}, {}, options.Zone, OffsetSecondsOf(input), {}}, {}};
}

void NamePlace(PlaceUsed &used, const std::string &label)
{
    const QStringList parts = QString::fromStdString(label).split(QStringLiteral(", "));
    used.Label = label;
    used.Name = Utf8(parts.value(0));
    used.Region = Utf8(parts.value(1));
    used.Country = Utf8(parts.value(2));
}

void AddPlace(Json &chart, const PlaceUsed &used)
{
    Json place = Json::object();
    if (!used.Name.empty())
        place = {{"name", TextJson(used.Name)}, {"region", TextJson(used.Region)}, {"country", TextJson(used.Country)}};
    place["zone"] = TextJson(used.Zone);
    place["offset"] = SignedOffsetText(used.OffsetSeconds);
    chart["place"] = std::move(place);
}

std::string PlaceLine(const PlaceUsed &used, const ChartInput &input)
{
    std::string line = "Место: ";
    if (!used.Label.empty())
        line += used.Label + "; ";
    return line + "пояс " + used.Zone + ", поправка " + SignedOffsetText(used.OffsetSeconds) + ", долгота "
        + LongitudeText(input) + "\n";
}

ChartRequest ParseBatchLine(const BatchFields &fields, Fold fold)
{
    const std::string_view zone = fields[2];
    if (fields.Count() != 5 || !NamesZone(zone))
        return ParseCsvFields(fields);
    // The zone's offset depends on the local date and time, read first.
    ChartRequest request = ParseFields(fields[0], fields[1], "0", fields[3], fields[4]);
    if (request.Input)
        if (auto error = SetCorrection(zone, fold, *request.Input))
            return {std::nullopt, *error};
    return request;
}
