// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartText.h"

#include "MomentText.h"

#include "PillarOrder.h"
#include "PlaceLine.h"
#include "SolarTime.h"
#include "TimeScale.h"

namespace {

std::size_t CodePoints(std::string_view text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

std::string PadRight(std::string_view text, std::size_t width)
{
    std::string out(text);
    for (std::size_t n = CodePoints(text); n < width; ++n)
        out += ' ';
    return out;
}

std::string TrimRight(std::string line)
{
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::string SquareRow(const Square &square, int row)
{
    return std::to_string(square[row][0]) + " " + std::to_string(square[row][1]) + " " + std::to_string(square[row][2]);
}

} // namespace

std::string FormatTable(const ChartResult &result)
{
    const auto pillars = PillarsInDisplayOrder(result);
    std::string headings = PadRight("", 7);
    std::string stems = PadRight("Ствол", 7);
    std::string branches = PadRight("Ветвь", 7);
    for (int k = 0; k < 4; ++k) {
        headings += PadRight(PillarHeadings[k], 7);
        stems += PadRight(pillars[k]->Stem, 7);
        branches += PadRight(pillars[k]->Branch, 7);
    }
    std::string out = TrimRight(headings) + "\n" + TrimRight(stems) + "\n" + TrimRight(branches) + "\n\n"
        + PadRight("Квадрат Года", 16) + "Квадрат Месяца\n";
    for (int r = 0; r < 3; ++r)
        out += PadRight(SquareRow(result.YearSquare, r), 16) + SquareRow(result.MonthSquare, r) + "\n";
    return out;
}

std::string FormatHeader(const ChartInput &input)
{
    const std::string line = MomentText(input) + ", поправка " + SignedOffsetText(OffsetSecondsOf(input)) + ", долгота "
        + LongitudeText(input);
    const std::string rules = RulesText(input);
    return rules.empty() ? line : line + "; " + rules;
}

std::string FormatChartText(const ChartInput &input, const ChartResult &result, const std::string &placeName)
{
    const std::string place = placeName.empty() ? std::string() : PlaceLineOf(placeName, input) + "\n";
    return FormatHeader(input) + "\n" + place + FormatTable(result);
}
