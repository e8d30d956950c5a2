// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartFormat.h"

#include <charconv>

#include "ChartRequest.h"
#include "Csv.h"
#include "Utf8Text.h"

#include "PillarOrder.h"

namespace {

std::string SquareDigits(const Square &square)
{
    std::string digits;
    for (const auto &row : square)
        for (int cell : row)
            digits += std::to_string(cell);
    return digits;
}

std::string JsonSquare(const Square &square)
{
    std::string out = "[";
    for (int r = 0; r < 3; ++r)
        out += (r ? ",[" : "[") + std::to_string(square[r][0]) + "," + std::to_string(square[r][1]) + ","
            + std::to_string(square[r][2]) + "]";
    return out + "]";
}

std::string JsonPillar(const Pillar &pillar)
{
    return "[" + JsonString(pillar.Stem) + "," + JsonString(pillar.Branch) + "]";
}

std::string ShortestDouble(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string FormatCsv(std::string_view input, const ChartDetails &details)
{
    const ChartResult &r = details.Result;
    std::string out(input);
    for (const Pillar *p : PillarsInDisplayOrder(r))
        out += "," + p->Stem + " " + p->Branch;
    return out + "," + SquareDigits(r.YearSquare) + "," + SquareDigits(r.MonthSquare);
}

std::string FormatCsvError(std::string_view line, std::string_view error)
{
    const std::string printable = PrintableUtf8(line);
    const auto &f = SplitBatchLine(printable).Fields;
    return CsvRecord({f[0], f[1], f[2], f[3], f[4], "error", PrintableUtf8(error)});
}

std::string JsonChartKeys(const ChartResult &r)
{
    return "\"pillars\":{\"hour\":" + JsonPillar(r.HourPillar) + ",\"day\":" + JsonPillar(r.DayPillar)
        + ",\"month\":" + JsonPillar(r.MonthPillar) + ",\"year\":" + JsonPillar(r.YearPillar)
        + "},\"yearSquare\":" + JsonSquare(r.YearSquare) + ",\"monthSquare\":" + JsonSquare(r.MonthSquare);
}

std::string FormatJson(std::string_view input, const ChartDetails &details)
{
    return "{\"input\":" + JsonString(input) + "," + JsonChartKeys(details.Result) + ",\"solarYear\":"
        + std::to_string(details.Terms.SolarYear) + ",\"solarMonth\":" + std::to_string(details.Terms.SolarMonth)
        + ",\"squareYear\":" + std::to_string(details.Terms.SquareYear)
        + ",\"chartJD\":" + ShortestDouble(details.Moment.ChartJD) + "}";
}

std::string FormatJsonError(std::string_view input, std::string_view error)
{
    return "{\"input\":" + JsonString(input) + ",\"error\":" + JsonString(error) + "}";
}

std::string JsonString(std::string_view text)
{
    // Printable text leaves only these three to escape.
    std::string out = "\"";
    for (char c : PrintableUtf8(text)) {
        if (c == '\t') {
            out += "\\t";
            continue;
        }
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string JsonWithKey(const std::string &object, std::string_view key, const std::string &value)
{
    // The object ends with its closing brace.
    return object.substr(0, object.size() - 1) + ",\"" + std::string(key) + "\":" + value + "}";
}
