// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SingleChart.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "AroundFormat.h"
#include "ChartErrorText.h"
#include "ChartFiles.h"
#include "ChartFormat.h"
#include "ChartRequest.h"
#include "CityNamed.h"
#include "ClockOffset.h"
#include "DaysFormat.h"
#include "Gregorian.h"
#include "LuckFormat.h"
#include "MomentText.h"
#include "PlaceOption.h"
#include "PresentClock.h"
#include "ReadingFormat.h"
#include "ReadingText.h"
#include "Report.h"
#include "RulesFormat.h"
#include "Translation.h"
#include "Usage.h"

namespace {

// The chart's output, with the place used when an option gave one and the
// luck pillars when --luck asked for them.
void PrintChart(const ChartInput &input, const ChartDetails &details, const PlaceOutcome &placed,
                const std::optional<LuckOutput> &luck, const std::optional<ChartReading> &reading, bool json,
                const SolarTermOptions &terms)
{
    if (json) {
        Json object = ChartJson(CsvLineOf(input), details);
        if (placed.Used)
            AddPlace(object, *placed.Used);
        if (const auto rules = RulesJson(input))
            object["rules"] = *rules;
        if (luck)
            object["luck"] = luck->Json;
        if (reading)
            object["reading"] = ReadingJson(*reading);
        if (const auto nearest = FindNearestChange(input, terms))
            object["nearestChange"] = NearestChangeJson(*nearest);
        std::cout << Dumped(object) << "\n";
        return;
    }
    std::cout << (placed.Used ? PlaceLine(*placed.Used, input) : "") << RulesLine(input) << FormatTable(details.Result)
              << (luck ? luck->Text : "") << (reading ? "\n" + FormatReadingText(*reading) : "");
}

// The charts of the span around the moment; the error when a chart of it
// cannot be computed, else nothing.
std::string PrintAround(const ChartInput &input, std::int32_t minutes, const PlaceOutcome &placed, bool json)
{
    const SpanOutcome outcome = ComputeChartSpan(input, minutes);
    if (!outcome.Span)
        return ChartErrorText(outcome.Error);
    if (json) {
        const std::string zone = placed.Used ? placed.Used->Zone : std::string();
        Json object = AroundJson(CsvLineOf(input), input, *outcome.Span, zone);
        if (const auto rules = RulesJson(input))
            object["rules"] = *rules;
        if (placed.Used)
            AddPlace(object, *placed.Used);
        std::cout << Dumped(object) << "\n";
    } else {
        std::cout << (placed.Used ? PlaceLine(*placed.Used, input) : "") << RulesLine(input)
                  << FormatAroundText(input, *outcome.Span, placed.Used ? placed.Used->Zone : std::string());
    }
    return {};
}

// The place the files name: the city, or the zone of --tz.
std::string PlaceName(const PlaceOutcome &placed)
{
    if (!placed.Used)
        return {};
    return placed.Used->Name.empty() ? placed.Used->Zone : placed.Used->Name;
}

// The days of --days, with the marks for the chart when a date and a time
// are given too; kept for the report when asked.
int RunDays(const ToolOptions &options, const std::optional<ChartSigns> &chart, std::vector<AlmanacRow> *kept = nullptr)
{
    const std::optional<CalendarDate> from = ParseDayDate(*options.DaysFrom);
    const std::optional<CalendarDate> to = ParseDayDate(*options.DaysTo);
    if (!from || !to)
        return UsageError(Filled(Translate("main", "--days takes two dates DD.MM.YYYY")));
    const std::int64_t days = DayCount(*to) - DayCount(*from) + 1;
    if (days < 1 || days > MaxDays)
        return UsageError(Filled(Translate("main", "--days takes from 1 to %1 days, the first date not after the last"),
                                 std::to_string(MaxDays)));
    if (const ChartError error = WriteDays(*from, *to, chart, options.Json, options.Header, std::cout, kept);
        error != ChartError::None) {
        std::cerr << "velmora-chart: " << ChartErrorText(error) << "\n";
        return 1;
    }
    return 0;
}

} // namespace

// The present minute on the clock the options name: the zone of --place or
// --tz, else one running the correction ahead of Universal Time. The
// options unchanged when the place names no city: the chart's run says so.
ToolOptions AtPresent(ToolOptions options)
{
    std::optional<PresentMinute> now;
    if (options.Place) {
        const NamedCity named = CityNamed(CityIndex::Shared(), QString::fromStdString(*options.Place));
        if (named.Found)
            now = PresentInZone(named.Found->Zone);
    } else if (options.Zone) {
        const QByteArray zone = QByteArray::fromStdString(*options.Zone);
        if (IsKnownZone(zone))
            now = PresentInZone(zone);
    } else {
        const ChartRequest request =
            ParseRequest("01.01.2000", "12:00", options.Correction.value_or(DefaultCorrection), DefaultLongitude);
        if (request.Input)
            now = PresentAtOffset(OffsetSecondsOf(*request.Input));
    }
    if (now) {
        options.Positional = {DateText(now->Date), TimeText(now->Hour, now->Minute)};
    } else {
        options.Positional = {"01.01.2000", "12:00"};
    }
    return options;
}

int RunSingle(const ToolOptions &options)
{
    if (options.DaysFrom && options.Positional.empty())
        return RunDays(options, std::nullopt);
    const std::string &date = options.Positional[0];
    const std::string &time = options.Positional[1];
    const std::string correction = options.Correction.value_or(DefaultCorrection);
    const std::string longitude = options.Longitude.value_or(DefaultLongitude);
    ChartRequest request = ParseRequest(date, time, correction, longitude);
    if (request.Input)
        ApplyRules(options, *request.Input);
    std::string error = request.Error;
    const PlaceOptions place{options.Place.value_or(""), options.Zone.value_or(""), options.FoldChoice};
    PlaceOutcome placed = request.Input ? ApplyPlaceOptions(place, *request.Input) : PlaceOutcome{};
    if (placed.Used && !options.ClientPlace.empty())
        NamePlace(*placed.Used, options.ClientPlace);
    if (!placed.Error.empty()) {
        error = placed.Error;
    } else if (request.Input && options.Around) {
        error = PrintAround(*request.Input, options.AroundMinutes, placed, options.Json);
        if (error.empty())
            return 0;
    } else if (request.Input) {
        // The chart, its luck pillars and its nearest change share the terms found.
        SolarTermCache cache;
        const SolarTermOptions terms{TermSearch::Fast, &cache};
        ChartOutcome outcome = ComputeChart(*request.Input, terms);
        std::optional<LuckOutput> luck;
        if (outcome.Details && options.Luck) {
            luck = LuckOutputOf(*request.Input, *outcome.Details, *options.LuckSex, terms);
            if (luck->Error != ChartError::None)
                outcome = {std::nullopt, luck->Error};
        }
        if (outcome.Details) {
            ReportContent report{options.ClientName, std::nullopt, std::nullopt, {}, LocalToday()};
            if (options.Reading)
                report.Reading = ReadChart(SignsOf(*outcome.Details));
            if (luck)
                report.Luck = luck->Report;
            if (options.DaysFrom) {
                if (const int status = RunDays(options, SignsOf(*outcome.Details), &report.Days))
                    return status;
            } else {
                if (!options.ClientName.empty() && !options.Json)
                    std::cout << ClientLine(options.ClientName) << "\n";
                PrintChart(*request.Input, *outcome.Details, placed, luck, report.Reading, options.Json, terms);
            }
            const SharedChart shared{*request.Input, outcome.Details->Result, PlaceName(placed), std::move(report)};
            const bool saved = WriteChartFiles(shared, options.Pdf.value_or(""), options.Png.value_or(""), std::cerr);
            return saved ? 0 : 1;
        }
        error = ChartErrorText(outcome.Error);
    }
    if (options.Json)
        std::cout << FormatJsonError(date + "," + time + "," + correction + "," + longitude, error) << "\n";
    else
        std::cerr << "velmora-chart: " << error << "\n";
    return 1;
}
