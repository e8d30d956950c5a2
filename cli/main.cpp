// velmora-chart: the chart of one moment, or of a batch of moments, for
// scripts. Computes exactly what the Velmora window computes.

#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "Batch.h"
#include "ChartFiles.h"
#include "ChartFormat.h"
#include "ChartRequest.h"
#include "PlaceOption.h"
#include "ToolOptions.h"
#include "Utf8Text.h"

namespace {

constexpr char Usage[] = "usage: velmora-chart DD.MM.YYYY HH:MM [--correction H] [--longitude DDD:MM{E|W}] [--json]\n"
                         "       velmora-chart DD.MM.YYYY HH:MM --place NAME [--json]\n"
                         "       velmora-chart DD.MM.YYYY HH:MM --tz ZONE [--longitude DDD:MM{E|W}] [--json]\n"
                         "       velmora-chart --batch [--header | --json] < cases.csv\n"
                         "\n"
                         "Prints the four pillars and the year and month squares of a local clock\n"
                         "moment. The year has four digits. The correction is the clock's offset\n"
                         "from Universal Time in whole hours (-23..23, default 5); the longitude\n"
                         "defaults to 060:36E.\n"
                         "--place NAME takes the longitude and the time zone of the city of that name\n"
                         "(Russian, Latin or former name, e.g. Казань, Kazan or Свердловск; the largest\n"
                         "of namesakes, or \"Заречный, Свердловская\" for the one of a region or\n"
                         "country); a name that is no city's lists the nearest ones. --tz ZONE takes\n"
                         "the correction from an IANA time zone (e.g. Europe/Moscow) and keeps the\n"
                         "longitude. Both use the clock's real offset at that date and time (summer\n"
                         "time and old zone changes included); an offset that is not whole hours, a\n"
                         "local time that was skipped or that happened twice is an error. The place\n"
                         "used is printed above the table, or as \"place\" in the JSON.\n"
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
                         "--pdf FILE.pdf and --png FILE.png also save a single chart as the window\n"
                         "does: the printed page, or the result area at twice its size.\n"
                         "\n"
                         "Exit status: 0 all charts computed; 1 a case failed, or reading the input or\n"
                         "writing the output failed (then a message on standard error); 2 usage error.\n";

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

int UsageError(const std::string &message)
{
    std::cerr << "velmora-chart: " << message << "\n" << Usage;
    return 2;
}

// The chart's output, with the place used when an option gave one.
void PrintChart(const ChartInput &input, const ChartDetails &details, const PlaceOutcome &placed, bool json)
{
    const std::string line = CsvLineOf(input);
    if (json)
        std::cout << (placed.Used ? JsonWithPlace(FormatJson(line, details), *placed.Used) : FormatJson(line, details))
                  << "\n";
    else
        std::cout << (placed.Used ? PlaceLine(*placed.Used, input) : "") << FormatTable(details.Result);
}

int RunSingle(const ToolOptions &options)
{
    const std::string &date = options.Positional[0];
    const std::string &time = options.Positional[1];
    const std::string correction = options.Correction.value_or(DefaultCorrection);
    const std::string longitude = options.Longitude.value_or(DefaultLongitude);
    ChartRequest request = ParseRequest(date, time, correction, longitude);
    std::string error = request.Error;
    const PlaceOptions place{options.Place.value_or(""), options.Zone.value_or("")};
    const PlaceOutcome placed = request.Input ? ApplyPlaceOptions(place, *request.Input) : PlaceOutcome{};
    if (!placed.Error.empty()) {
        error = placed.Error;
    } else if (request.Input) {
        const ChartOutcome outcome = ComputeChart(*request.Input);
        if (outcome.Details) {
            PrintChart(*request.Input, *outcome.Details, placed, options.Json);
            const bool saved = WriteChartFiles(*request.Input, outcome.Details->Result, options.Pdf.value_or(""),
                                               options.Png.value_or(""), std::cerr);
            return saved ? 0 : 1;
        }
        error = outcome.Error;
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
    std::cerr << "velmora-chart: cannot write the output" << (error ? ": " : "") << (error ? std::strerror(error) : "")
              << "\n";
    return 1;
}

int Run(const ToolOptions &options)
{
    if (options.Help) {
        std::cout << Usage;
        return 0;
    }
    if (!options.Batch)
        return RunSingle(options);
    const BatchOutcome outcome = RunBatch(std::cin, std::cout, {options.Json, options.Header});
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
    OptionsOutcome parsed = ParseOptions({argv + 1, argv + argc});
    if (!parsed.Options)
        return UsageError(PrintableUtf8(parsed.Error));
    MakePrintable(*parsed.Options);
    const int status = Run(*parsed.Options);
    return FinishOutput(status);
}
