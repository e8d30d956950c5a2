// SPDX-License-Identifier: AGPL-3.0-or-later
// velmora-chart: the chart of one moment, or of a batch of moments, for
// scripts. Computes exactly what the Velmora window computes.

#include <cerrno>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "MomentText.h"
#include "AroundFormat.h"
#include "CityNamed.h"
#include "ClientCommands.h"
#include "ClockOffset.h"
#include "DaysFormat.h"
#include "Gregorian.h"
#include "PresentClock.h"
#include "ReadingFormat.h"
#include "ReadingText.h"
#include "Report.h"
#include "RulesFormat.h"
#include "Batch.h"
#include "ChartFiles.h"
#include "ChartFormat.h"
#include "ChartRequest.h"
#include "LuckFormat.h"
#include "PlaceOption.h"
#include "SystemError.h"
#include "ChartErrorText.h"
#include "ToolOptions.h"
#include "Translation.h"
#include "Utf8Text.h"

namespace {

constexpr char Usage[] =
    QT_TRANSLATE_NOOP("Usage",
                      "usage: velmora-chart DD.MM.YYYY HH:MM [--correction H] [--longitude DDD:MM{E|W}] [--json]\n"
                      "       velmora-chart DD.MM.YYYY HH:MM --place NAME [--fold earlier|later] [--json]\n"
                      "       (any single chart also takes --luck male|female, --reading, --pdf FILE,\n"
                      "       --png FILE)\n"
                      "       velmora-chart DD.MM.YYYY HH:MM --tz ZONE [--longitude DDD:MM{E|W}]\n"
                      "                     [--fold earlier|later] [--json]\n"
                      "       velmora-chart DD.MM.YYYY HH:MM --around MINUTES [the place options] [--json]\n"
                      "       velmora-chart --batch [--header | --json] [--fold earlier|later] < cases.csv\n"
                      "       velmora-chart [DD.MM.YYYY HH:MM [the place options]] --days FROM TO\n"
                      "                     [--header | --json] [--pdf FILE [--luck S] [--reading]]\n"
                      "       velmora-chart --now [the place options] [any single chart's options]\n"
                      "       velmora-chart --client NAME|ID [--luck [male|female]] [--reading] [--json]\n"
                      "       (charts also take --solar-time and --day-change 0|23)\n"
                      "       velmora-chart --clients [--header | --json]\n"
                      "       velmora-chart --export-clients > clients.csv\n"
                      "       velmora-chart --import-clients FILE\n"
                      "\n"
                      "Prints the four pillars and the year and month squares of a local clock\n"
                      "moment. The year has four digits; charts compute from 01.01.0001 up to the\n"
                      "start of spring 3003 (2 to 6 February 3003 on the clock, by the offset), where\n"
                      "the built-in ephemeris ends, and a later date is an error. The correction is\n"
                      "the clock's offset from Universal Time in whole hours (-23..23, default 5),\n"
                      "or exact as H:MM or H:MM:SS (5:30, -9:30, 2:30:17: minutes and seconds of two\n"
                      "digits, the whole within -23..23); the longitude defaults to 060:36E.\n"
                      "--place NAME takes the longitude and the time zone of the city of that name\n"
                      "(Russian, Latin or former name, e.g. Казань, Kazan or Свердловск; the largest\n"
                      "of namesakes, or \"Заречный, Свердловская\" for the one of a region or\n"
                      "country); a name that is no city's lists the nearest ones. --tz ZONE takes\n"
                      "the correction from an IANA time zone (e.g. Europe/Moscow) and keeps the\n"
                      "longitude. Both use the clock's exact offset at that date and time (summer\n"
                      "time, old zone changes and offsets such as +5:30 or a town's mean time\n"
                      "+2:30:17 included). A local time that was skipped or that happened twice when\n"
                      "the clocks were moved is an error naming both offsets, unless --fold earlier\n"
                      "(the offset before the move) or --fold later (after it) chooses; --fold goes\n"
                      "with --place, --tz or --batch. The place used is printed above the table, or\n"
                      "as \"place\" in the JSON.\n"
                      "\n"
                      "With --batch, each input line is DD.MM.YYYY,HH:MM,CORR,DDD:MM,H (H is E or W);\n"
                      "CORR may be an IANA zone instead: 01.07.1985,10:00,Europe/Moscow,037:37,E.\n"
                      "Each line gives one output line, in order. Blank lines and lines starting\n"
                      "with # are skipped; a UTF-8 byte-order mark at the start is ignored; a line\n"
                      "longer than 1000 bytes is an error. The output is CSV (RFC 4180: a field\n"
                      "holding a comma, a quote or a line break is quoted). A chart line has the\n"
                      "columns\n"
                      "  date,time,correction,longitude,hemisphere,hour,day,month,year,year_square,month_square\n"
                      "the case zero-filled (07.03.1999,09:05,-5,074:00,W), the pillars as\n"
                      "\"stem branch\" (ЗЕМ ОГО) and each square as nine digits by rows. An error line\n"
                      "is the case's five fields as read, \"error\" and the reason. --header writes\n"
                      "the column names above as the first line.\n"
                      "\n"
                      "--json writes one JSON object per line instead, for a chart\n"
                      "  {\"input\":CASE,\"pillars\":{\"hour\":[STEM,BRANCH],\"day\":[..],\"month\":[..],\n"
                      "   \"year\":[..]},\"yearSquare\":[[a,b,c],[d,e,f],[g,h,i]],\"monthSquare\":[..],\n"
                      "   \"solarYear\":N,\"solarMonth\":N,\"squareYear\":N,\"chartJD\":X}\n"
                      "and for an error {\"input\":CASE,\"error\":REASON}. Input that is not valid\n"
                      "UTF-8, and control characters, are echoed with U+FFFD in their place (one\n"
                      "for each maximal ill-formed subsequence).\n"
                      "\n"
                      "--luck male|female (or м|ж) adds the ten-year luck pillars and the Gua\n"
                      "number. A yang year stem (upper case) with a male chart, or a yin one with a\n"
                      "female chart, runs forward, the others backward. The first pillar starts after\n"
                      "the time from the chart moment to the next month change (forward) or the\n"
                      "previous one (backward), on the scale on which the chart's month pillar\n"
                      "changes, at 3 days = 1 year, 1 day = 4 months, 2 hours = 10 days (1 minute =\n"
                      "2 hours); pillar n is the month pillar's n-th neighbour in the sixty cycle and\n"
                      "starts 10 (n - 1) years after the first. The Gua number follows the year of\n"
                      "the year pillar, which changes at the start of spring: male, that year's star\n"
                      "(5 as 2); female, 15 minus it reduced to 1..9 (5 as 8). --json adds\n"
                      "  \"luck\":{\"direction\":\"forward\"|\"backward\",\"start\":{\"years\":Y,\"months\":M,\n"
                      "   \"days\":D,\"hours\":H},\"startMoment\":\"DD.MM.YYYY HH:MM\",\"pillars\":[{\"stem\":S,\n"
                      "   \"branch\":B,\"fromAge\":A,\"fromYear\":YYYY,\"years\":[{\"year\":YYYY,\"stem\":S,\n"
                      "   \"branch\":B},..]},..],\"gua\":{\"number\":N,\"group\":\"east\"|\"west\",\n"
                      "   \"favourable\":[\"SE\",..],\"unfavourable\":[..]}}\n"
                      "With --batch --json a sixth field of a line (male, female, м or ж) adds the\n"
                      "\"luck\" object to that line; CSV output takes no sixth field. The text names\n"
                      "the directions in Russian letters (С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ); the JSON keeps\n"
                      "the compass codes.\n"
                      "\n"
                      "--reading adds the chart's reading after the chart (and after the luck\n"
                      "pillars): the day master, each pillar's stem and branch by name, the ten gods\n"
                      "of its stem and of its branch's hidden stems, the twelve stages, the na-yin,\n"
                      "the void, the relations between the pillars, the symbolic stars and the\n"
                      "elements, by the rules that velmora-chart(1) lists. --json adds\n"
                      "  \"reading\":{\"dayMaster\":S,\"pillars\":{\"hour\":{\"stem\",\"stemName\",\"branch\",\n"
                      "   \"branchName\",\"god\",\"hidden\":[{\"stem\",\"name\",\"god\"},..],\"stage\",\"nayin\",\n"
                      "   \"void\"},\"day\":{..},\"month\":{..},\"year\":{..}},\"void\":{\"day\":[..],\"year\":[..]},\n"
                      "   \"relations\":[{\"kind\",\"pillars\":[..]},..],\"stars\":[{\"name\",\"from\",\n"
                      "   \"pillars\":[..]},..],\"elements\":{\"visible\":{..},\"hidden\":{..}}}\n"
                      "(the day's \"god\" is null; \"from\" is dayStem, yearStem, dayBranch, yearBranch\n"
                      "or monthBranch; pillars are hour, day, month, year), and --batch --json\n"
                      "--reading adds it to every chart line.\n"
                      "\n"
                      "--around MINUTES (1..1440) lists every distinct chart from MINUTES before the\n"
                      "moment to MINUTES after it, each with the local clock time from which it\n"
                      "holds and the time at which the next begins, to the second, and what changed\n"
                      "there (hour, day, month, year, yearSquare, monthSquare). A span past\n"
                      "01.01.0001 or the last computable moment is cut there and says so. The span\n"
                      "is real time; with --place or --tz each time is that zone's clock reading,\n"
                      "followed by its offset when it differs from the moment's (\"01:30:00 +3\").\n"
                      "--json writes\n"
                      "  {\"input\":CASE,\"around\":[{\"from\":\"DD.MM.YYYY HH:MM:SS\",\"to\":..,\n"
                      "   \"pillars\":{..},\"yearSquare\":..,\"monthSquare\":..,\"changes\":[..]},..]}\n"
                      "with \"cut\":true after a cut, and \"offset\" (of from) and \"toOffset\" (of to)\n"
                      "after \"to\" on a reading of another offset. Without --around, --json ends a\n"
                      "chart with\n"
                      "  \"nearestChange\":{\"what\":[\"hour\",..],\"minutes\":M}\n"
                      "the change nearest to the moment, M negative when it came before.\n"
                      "\n"
                      "--days FROM TO (dates DD.MM.YYYY, at most 3660 days) prints the almanac of\n"
                      "each day instead of a chart: the date, the weekday, the day's stem and branch\n"
                      "tokens and animal, the day's flying star, the officer, the mansion, the animal\n"
                      "it clashes with and the twelve hour stars from the Крыса hour; after a date\n"
                      "and a time (and place options), also the marks for that chart: a clash with\n"
                      "its year or day, Благородный человек, Ямская лошадь, Цветок любви. CSV, with\n"
                      "--header the line\n"
                      "  date,weekday,stem,branch,animal,day_star,officer,mansion,clash,hour_stars\n"
                      "(and marks with a chart) first, or --json:\n"
                      "  {\"date\":\"01.01.2027\",\"weekday\":\"пт\",\"stem\":S,\"branch\":B,\"animal\":A,\n"
                      "   \"dayStar\":N,\"officer\":O,\"mansion\":M,\"clash\":A,\"hourStars\":[12 numbers],\n"
                      "   \"forChart\":{\"clashes\":[\"year\"|\"day\",..],\"stars\":[..]}}\n"
                      "The rules are in velmora-chart(1) under DAYS; the dates of the terms and the\n"
                      "solstices are those of Beijing time, as in printed almanacs.\n"
                      "--now takes the present minute on the clock of --place or --tz, or of the\n"
                      "correction, instead of a date and a time.\n"
                      "\n"
                      "The client file (~/.local/share/velmora/clients.sqlite, $XDG_DATA_HOME) is the\n"
                      "window's: --clients lists its clients, CSV (--header names the columns\n"
                      "id,name,sex,date,time,correction,longitude,hemisphere,place,zone,notes) or\n"
                      "--json, an object a line with those keys. --client NAME|ID computes a client's\n"
                      "chart exactly as if its data were typed (a name several clients share is an\n"
                      "error listing their ids); --luck without a sex takes the client's. The\n"
                      "--export-clients CSV (RFC 4180, UTF-8, the header\n"
                      "name,sex,date,time,correction,longitude,hemisphere,place,zone,notes; exactly\n"
                      "one of correction and zone) is what --import-clients FILE reads: all of it or,\n"
                      "when any row is bad, none, each bad row named by its line.\n"
                      "\n"
                      "--solar-time takes true solar time (local mean time plus the equation of time\n"
                      "at the chart's moment, from the Swiss Ephemeris) in place of local mean time\n"
                      "everywhere the chart uses it: the chart is the local-mean-time chart at the\n"
                      "clock reading moved by the equation. --day-change 0 keeps the day pillar of\n"
                      "the date from 23:00 to 24:00 (the hour pillar stays the Крыса hour, its stem\n"
                      "following the next day); 23, the default, changes it at 23:00. Both go with\n"
                      "single charts, --batch, --around, --luck, --reading, --days, --client and\n"
                      "--now; a rule that is not the default is named in a line \"Правила: ...\" above\n"
                      "the table, and --json adds\n"
                      "  \"rules\":{\"solarTime\":true,\"equationMinutes\":-7.12,\"dayChange\":0}\n"
                      "only then (equationMinutes with --solar-time only).\n"
                      "\n"
                      "--pdf FILE.pdf saves a single chart as the window's report: the printed page\n"
                      "(with the client's name above it after --client, and the place line under\n"
                      "the squares), then the reading (--reading), the luck pillars with the years\n"
                      "of the pillar that holds today and the Gua directions (--luck), and the days\n"
                      "(--days) as tables, \"стр. 1 из N\" at the foot of each page. With --days the\n"
                      "days go to standard output as usual, and --luck and --reading only into the\n"
                      "report. --png FILE.png saves the result area at twice its size.\n"
                      "\n"
                      "Exit status: 0 all charts computed; 1 a case failed, or reading the input or\n"
                      "writing the output failed (then a message on standard error); 2 usage error\n"
                      "(one line naming the problem, and a line pointing to --help).\n"
                      "Messages are in Russian under a Russian locale (LANG=ru_RU.UTF-8), else in\n"
                      "English; the chart itself is Russian in every locale.\n");

// Qt's own diagnostics (a missing XDG_RUNTIME_DIR when a file is drawn, a
// library that cannot be loaded) are not the tool's messages: they would
// show in English under any locale, among its messages on standard error.
// What they report reaches the user as a message of the tool's own.
void DropQtDiagnostics(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::cerr << message.toStdString() << "\n";
}

// The arguments that are echoed in messages and output are made printable;
// file names are used as the bytes given, so a file gets the name asked for.
void MakePrintable(ToolOptions &options)
{
    for (std::string &argument : options.Positional)
        argument = PrintableUtf8(argument);
    for (std::optional<std::string> *echoed : {&options.Correction, &options.Longitude, &options.Place, &options.Zone})
        if (*echoed)
            **echoed = PrintableUtf8(**echoed);
}

Fold FoldOf(const ToolOptions &options)
{
    if (!options.Fold)
        return Fold::None;
    return *options.Fold == "earlier" ? Fold::Earlier : Fold::Later;
}

// One line naming the problem and where to read more, as the core
// utilities answer a wrong command line.
int UsageError(const std::string &message)
{
    std::cerr << "velmora-chart: " << message << "\n"
              << Filled(Translate("Usage", "Try 'velmora-chart --help'.")) << "\n";
    return 2;
}

// The chart's output, with the place used when an option gave one and the
// luck pillars when --luck asked for them.
void PrintChart(const ChartInput &input, const ChartDetails &details, const PlaceOutcome &placed,
                const std::optional<LuckOutput> &luck, const std::optional<ChartReading> &reading, bool json,
                const SolarTermOptions &terms)
{
    if (json) {
        std::string object = FormatJson(CsvLineOf(input), details);
        if (placed.Used)
            object = JsonWithPlace(object, *placed.Used);
        if (const auto rules = RulesJson(input))
            object = JsonWithKey(object, "rules", *rules);
        if (luck)
            object = JsonWithKey(object, "luck", luck->Json);
        if (reading)
            object = JsonWithKey(object, "reading", FormatReadingJson(*reading));
        if (const auto nearest = FindNearestChange(input, terms))
            object = JsonWithKey(object, "nearestChange", NearestChangeJson(*nearest));
        std::cout << object << "\n";
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
        std::string object = FormatAroundJson(CsvLineOf(input), input, *outcome.Span, zone);
        if (const auto rules = RulesJson(input))
            object = JsonWithKey(object, "rules", *rules);
        std::cout << (placed.Used ? JsonWithPlace(object, *placed.Used) : object) << "\n";
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
        if (OffsetAt(zone, QDate::currentDate(), QTime(12, 0)).Type != ClockOffset::Kind::UnknownZone)
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
    const PlaceOptions place{options.Place.value_or(""), options.Zone.value_or(""), FoldOf(options)};
    PlaceOutcome placed = request.Input ? ApplyPlaceOptions(place, *request.Input) : PlaceOutcome{};
    if (placed.Used && !options.ClientPlace.empty())
        NamePlace(*placed.Used, options.ClientPlace);
    if (!placed.Error.empty()) {
        error = placed.Error;
    } else if (request.Input && options.Around) {
        error = PrintAround(*request.Input, *ParseAroundMinutes(*options.Around), placed, options.Json);
        if (error.empty())
            return 0;
    } else if (request.Input) {
        // The chart, its luck pillars and its nearest change share the terms found.
        SolarTermCache cache;
        const SolarTermOptions terms{TermSearch::Fast, &cache};
        ChartOutcome outcome = ComputeChart(*request.Input, terms);
        std::optional<LuckOutput> luck;
        if (outcome.Details && options.Luck) {
            luck = LuckOutputOf(*request.Input, *outcome.Details, *ParseSex(*options.Luck), terms);
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

// Flushes and closes standard output: a write that failed on the way, or a
// full disk that shows only now, turns the status into a failure.
int FinishOutput(int status)
{
    std::cout.flush();
    if (std::cout && close(STDOUT_FILENO) == 0)
        return status;
    const int error = errno;
    const std::string message = error
        ? Filled(Translate("main", "cannot write the output: %1"), SystemErrorText(error).toStdString())
        : Filled(Translate("main", "cannot write the output"));
    std::cerr << "velmora-chart: " << message << "\n";
    return 1;
}

int Run(const ToolOptions &options)
{
    if (options.Help) {
        std::cout << Filled(Translate("Usage", Usage));
        return 0;
    }
    if (options.Clients)
        return ListClients(options.Json, options.Header, std::cout, std::cerr);
    if (options.ExportClients)
        return ExportClients(std::cout, std::cerr);
    if (options.ImportClients)
        return ImportClients(*options.ImportClients, std::cerr);
    if (options.Client) {
        const ClientOptions client = WithClient(options);
        if (!client.Error.empty()) {
            std::cerr << "velmora-chart: " << client.Error << "\n";
            return 1;
        }
        return RunSingle(client.Options);
    }
    if (options.Now)
        return RunSingle(AtPresent(options));
    if (!options.Batch)
        return RunSingle(options);
    const BatchOutcome outcome = RunBatch(
        std::cin, std::cout,
        {options.Json, options.Header, FoldOf(options), options.Reading, options.SolarTime, options.DayChange == "0"});
    if (!outcome.Failure.empty()) {
        std::cerr << "velmora-chart: " << outcome.Failure << "\n";
        return 1;
    }
    return outcome.Status;
}

} // namespace

int main(int argc, char **argv)
{
    // Standard streams of their own, not stdio's: a failed read or write then
    // shows on the stream, with its reason in errno.
    std::ios::sync_with_stdio(false);
    UseLanguage(LanguageOfEnvironment());
    qInstallMessageHandler(DropQtDiagnostics);
    OptionsOutcome parsed = ParseOptions({argv + 1, argv + argc});
    if (!parsed.Options)
        return UsageError(PrintableUtf8(parsed.Error));
    MakePrintable(*parsed.Options);
    const int status = Run(*parsed.Options);
    return FinishOutput(status);
}
