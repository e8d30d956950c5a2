// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartFormat.h"

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

Json JsonSquare(const Square &square)
{
    Json rows = Json::array();
    for (const auto &row : square)
        rows.push_back(Json(row));
    return rows;
}

Json JsonPillar(const Pillar &pillar) { return Json::array({TextJson(pillar.Stem), TextJson(pillar.Branch)}); }

} // namespace

std::string FormatCsv(std::string_view input, const ChartDetails &details)
{
    const ChartResult &r = details.Result;
    std::string out(input);
    for (const Pillar *p : PillarsInDisplayOrder(r))
        out += "," + p->Stem + " " + p->Branch;
    return out + "," + SquareDigits(r.YearSquare) + "," + SquareDigits(r.MonthSquare);
}

std::string FormatCsvError(const BatchFields &f, std::string_view error)
{
    return CsvRecord({f[0], f[1], f[2], f[3], f.From(4), "error", PrintableUtf8(error)});
}

void AddChartKeys(Json &object, const ChartResult &r)
{
    object["pillars"] = {{"hour", JsonPillar(r.HourPillar)},
                         {"day", JsonPillar(r.DayPillar)},
                         {"month", JsonPillar(r.MonthPillar)},
                         {"year", JsonPillar(r.YearPillar)}};
    object["yearSquare"] = JsonSquare(r.YearSquare);
    object["monthSquare"] = JsonSquare(r.MonthSquare);
}

Json ChartJson(std::string_view input, const ChartDetails &details)
{
    Json object = {{"input", TextJson(input)}};
    AddChartKeys(object, details.Result);
    object["solarYear"] = details.Terms.SolarYear;
    object["solarMonth"] = details.Terms.SolarMonth;
    object["squareYear"] = details.Terms.SquareYear;
    object["chartJD"] = ShortestNumber(details.Moment.ChartJD);
    return object;
}

std::string FormatJsonError(std::string_view input, std::string_view error)
{
    return Dumped({{"input", TextJson(input)}, {"error", TextJson(error)}});
}
