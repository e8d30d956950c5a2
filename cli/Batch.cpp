#include "Batch.h"

#include <istream>
#include <ostream>
#include <string>

#include "ChartFormat.h"
#include "ChartRequest.h"
#include "PlaceOption.h"

int RunBatch(std::istream &in, std::ostream &out, bool json)
{
    // The charts of one batch share the solar terms they find: many cases of
    // one year and correction cost one search of its terms.
    SolarTermCache terms;
    const SolarTermOptions options{TermSearch::Fast, &terms};
    int status = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#')
            continue;
        const ChartRequest request = ParseBatchLine(line);
        std::string error = request.Error;
        if (request.Input) {
            const ChartOutcome outcome = ComputeChart(*request.Input, options);
            if (outcome.Details) {
                const std::string input = CsvLineOf(*request.Input);
                out << (json ? FormatJson(input, *outcome.Details)
                             : FormatCsv(input, *outcome.Details))
                    << '\n';
                continue;
            }
            error = outcome.Error;
        }
        out << (json ? FormatJsonError(line, error) : FormatCsvError(line, error)) << '\n';
        status = 1;
    }
    return status;
}
