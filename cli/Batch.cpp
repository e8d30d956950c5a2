// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Batch.h"

#include <istream>
#include <ostream>
#include <string>

#include "BatchReader.h"
#include "ChartFormat.h"
#include "ChartRequest.h"
#include "LuckFormat.h"
#include "ReadingFormat.h"
#include "RulesFormat.h"
#include "PlaceOption.h"
#include "SystemError.h"
#include "ChartErrorText.h"
#include "Translation.h"
#include "Utf8Text.h"

namespace {

// A line of six fields is a case and the sex for its luck pillars.
constexpr std::size_t SexFieldCount = 6;

bool Skipped(const std::string &line)
{
    return line.find_first_not_of(" \t") == std::string::npos || line.front() == '#';
}

// The output line of one case, line being printable text; chart tells
// whether it is a chart or an error line.
std::string ResultLine(const std::string &line, const BatchOptions &batch, const SolarTermOptions &options, bool &chart)
{
    const bool json = batch.Json;
    const BatchFields fields(line);
    const bool sexGiven = fields.Count() == SexFieldCount;
    const std::string_view sexText = fields[SexFieldCount - 1];
    const std::optional<Sex> sex = sexGiven ? ParseSex(sexText) : std::nullopt;
    ChartRequest request = ParseBatchLine(sexGiven ? fields.First(SexFieldCount - 1) : fields, batch.SkippedOrDoubled);
    if (request.Input) {
        request.Input->TrueSolarTime = batch.SolarTime;
        request.Input->DayChangeAtMidnight = batch.DayChangeAtMidnight;
    }
    std::string error = request.Error;
    if (sexGiven && !json) {
        error = Filled(Translate("Batch", "a sixth field (the sex for the luck pillars) goes with --json"));
    } else if (sexGiven && !sex) {
        error = Filled(Translate("Batch", "sex \"%1\" is not \"male\", \"female\", \"м\" or \"ж\""), sexText);
    } else if (request.Input) {
        const ChartOutcome outcome = ComputeChart(*request.Input, options);
        const auto luck = outcome.Details && sex
            ? std::optional(LuckOutputOf(*request.Input, *outcome.Details, *sex, options))
            : std::nullopt;
        if (outcome.Details && (!luck || luck->Error == ChartError::None)) {
            chart = true;
            const std::string input = CsvLineOf(*request.Input);
            if (!json)
                return FormatCsv(input, *outcome.Details);
            Json object = ChartJson(input, *outcome.Details);
            if (const auto rules = RulesJson(*request.Input))
                object["rules"] = *rules;
            if (luck)
                object["luck"] = luck->Json;
            if (batch.Reading)
                object["reading"] = ReadingJson(ReadChart(SignsOf(*outcome.Details)));
            return Dumped(object);
        }
        error = ChartErrorText(outcome.Details ? luck->Error : outcome.Error);
    }
    chart = false;
    return json ? FormatJsonError(line, error) : FormatCsvError(fields, error);
}

std::string TooLongLine(std::string_view start, bool json)
{
    const std::string error =
        Filled(Translate("Batch", "line is longer than %1 bytes"), std::to_string(BatchReader::MaxLineBytes));
    return json ? FormatJsonError(start, error) : FormatCsvError(BatchFields(start), error);
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
    if (reader.Error())
        return {1,
                Filled(Translate("Batch", "cannot read the input: %1"), SystemErrorText(reader.Error()).toStdString())};
    if (!out)
        outcome.Status = 1;
    return outcome;
}
