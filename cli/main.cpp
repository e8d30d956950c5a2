// velmora-chart: the chart of one moment, or of a batch of moments, for
// scripts. Computes exactly what the Velmora window computes.

#include <iostream>
#include <string>
#include <vector>

#include "Batch.h"
#include "ChartFormat.h"
#include "ChartRequest.h"
#include "PlaceOption.h"

namespace {

constexpr char Usage[] =
    "usage: velmora-chart DD.MM.YYYY HH:MM [--correction H] [--longitude DDD:MM{E|W}] [--json]\n"
    "       velmora-chart DD.MM.YYYY HH:MM --place NAME [--json]\n"
    "       velmora-chart DD.MM.YYYY HH:MM --tz ZONE [--longitude DDD:MM{E|W}] [--json]\n"
    "       velmora-chart --batch [--json] < cases.csv\n"
    "\n"
    "Prints the four pillars and the year and month squares of a local clock\n"
    "moment. The correction is the clock's offset from Universal Time in whole\n"
    "hours (-23..23, default 5); the longitude defaults to 060:36E.\n"
    "--place NAME takes the longitude and the time zone of the best-matching city\n"
    "(Russian or Latin name, e.g. Казань or Kazan); --tz ZONE takes the correction\n"
    "from an IANA time zone (e.g. Europe/Moscow) and keeps the longitude. Both use\n"
    "the clock's real offset at that date and time (summer time and old zone\n"
    "changes included); an offset that is not whole hours, a local time that was\n"
    "skipped or that happened twice is an error. The place used is printed above\n"
    "the table, or as \"place\" in the JSON.\n"
    "With --batch, each input line is DD.MM.YYYY,HH:MM,CORR,DDD:MM,H (H is E or W);\n"
    "CORR may be an IANA zone instead: 01.07.1985,10:00,Europe/Moscow,037:37,E;\n"
    "each gives one line: the case, the pillars hour, day, month, year as\n"
    "\"stem branch\", and both squares as nine digits by rows, or the case,\n"
    "\"error\" and the reason. Blank lines and lines starting with # are skipped.\n"
    "--json writes one JSON object per chart instead.\n"
    "Exit status: 0 all charts computed, 1 a case failed, 2 usage error.\n";

int UsageError(const std::string &message)
{
    std::cerr << "velmora-chart: " << message << "\n" << Usage;
    return 2;
}

int RunSingle(const std::vector<std::string> &positional, const std::string &correction,
              const std::string &longitude, const PlaceOptions &place, bool json)
{
    ChartRequest request = ParseRequest(positional[0], positional[1], correction, longitude);
    std::string error = request.Error;
    const PlaceOutcome placed = request.Input ? ApplyPlaceOptions(place, *request.Input) : PlaceOutcome{};
    if (!placed.Error.empty())
        error = placed.Error;
    else if (request.Input) {
        const ChartOutcome outcome = ComputeChart(*request.Input);
        if (outcome.Details) {
            const std::string input = CsvLineOf(*request.Input);
            if (json)
                std::cout << (placed.Used ? JsonWithPlace(FormatJson(input, *outcome.Details), *placed.Used)
                                          : FormatJson(input, *outcome.Details))
                          << "\n";
            else
                std::cout << (placed.Used ? PlaceLine(*placed.Used, *request.Input) : "")
                          << FormatTable(outcome.Details->Result);
            return 0;
        }
        error = outcome.Error;
    }
    if (json)
        std::cout << FormatJsonError(positional[0] + "," + positional[1] + "," + correction + ","
                                         + longitude,
                                     error)
                  << "\n";
    else
        std::cerr << "velmora-chart: " << error << "\n";
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> positional;
    std::string correction = DefaultCorrection;
    std::string longitude = DefaultLongitude;
    PlaceOptions place;
    bool correctionGiven = false, longitudeGiven = false;
    bool json = false;
    bool batch = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return 0;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--batch") {
            batch = true;
        } else if (arg == "--correction" || arg == "--longitude") {
            if (i + 1 >= argc)
                return UsageError(arg + " needs a value");
            (arg == "--correction" ? correction : longitude) = argv[++i];
            (arg == "--correction" ? correctionGiven : longitudeGiven) = true;
        } else if (arg == "--place" || arg == "--tz") {
            if (i + 1 >= argc || !*argv[i + 1])
                return UsageError(arg + " needs a value");
            (arg == "--place" ? place.Place : place.Zone) = argv[++i];
        } else if (arg.size() > 2 && arg.starts_with("--")) {
            return UsageError("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (batch) {
        if (!positional.empty())
            return UsageError("--batch takes its cases from standard input");
        if (!place.Place.empty() || !place.Zone.empty())
            return UsageError("--batch takes a zone in each line, not --place or --tz");
        return RunBatch(std::cin, std::cout, json);
    }
    if (positional.size() != 2)
        return UsageError("expected a date and a time");
    if (!place.Place.empty() && (!place.Zone.empty() || correctionGiven || longitudeGiven))
        return UsageError("--place gives the correction and the longitude itself");
    if (!place.Zone.empty() && correctionGiven)
        return UsageError("--tz gives the correction itself");
    return RunSingle(positional, correction, longitude, place, json);
}
