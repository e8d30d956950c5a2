#include "Batch.h"

#include <istream>
#include <ostream>
#include <string>

#include "BatchReader.h"
#include "ChartFormat.h"
#include "ChartRequest.h"
#include "PlaceOption.h"
#include "Utf8Text.h"

namespace {

bool Skipped(const std::string &line)
{
    return line.find_first_not_of(" \t") == std::string::npos || line.front() == '#';
}

// The output line of one case, line being printable text; chart tells
// whether it is a chart or an error line.
std::string ResultLine(const std::string &line, const BatchOptions &batch, const SolarTermOptions &options, bool &chart)
{
    const bool json = batch.Json;
    const ChartRequest request = ParseBatchLine(line, batch.SkippedOrDoubled);
    std::string error = request.Error;
    if (request.Input) {
        const ChartOutcome outcome = ComputeChart(*request.Input, options);
        if (outcome.Details) {
            chart = true;
            const std::string input = CsvLineOf(*request.Input);
            return json ? FormatJson(input, *outcome.Details) : FormatCsv(input, *outcome.Details);
        }
        error = outcome.Error;
    }
    chart = false;
    return json ? FormatJsonError(line, error) : FormatCsvError(line, error);
}

std::string TooLongLine(std::string_view start, bool json)
{
    const std::string error = "line is longer than " + std::to_string(BatchReader::MaxLineBytes) + " bytes";
    return json ? FormatJsonError(start, error) : FormatCsvError(start, error);
}

} // namespace

BatchOutcome RunBatch(std::istream &in, std::ostream &out, const BatchOptions &options)
{
    // The charts of one batch share the solar terms they find: many cases of
    // one year cost one search of its terms, whatever their corrections.
    SolarTermCache terms;
    const SolarTermOptions search{TermSearch::Fast, &terms};
    BatchReader reader(in);
    BatchOutcome outcome;
    if (options.Header && !options.Json)
        out << CsvHeader << '\n';
    std::string raw;
    while (out && reader.Next(raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (Skipped(raw))
            continue;
        bool chart = false;
        if (reader.TooLong()) {
            out << TooLongLine(PrintableUtf8(raw), options.Json);
        } else {
            out << ResultLine(PrintableUtf8(raw), options, search, chart);
        }
        out << '\n';
        if (!chart)
            outcome.Status = 1;
    }
    out.flush();
    if (!reader.Error().empty())
        return {1, "cannot read the input: " + reader.Error()};
    if (!out)
        outcome.Status = 1;
    return outcome;
}
