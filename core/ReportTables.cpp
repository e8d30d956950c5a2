// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ReportTables.h"

#include "ChartSigns.h"
#include "LuckText.h"
#include "PillarOrder.h"

namespace {

TextLine StemLine(std::int32_t stem) { return {{StemToken(stem), true}, {StemName(stem), false}}; }

TextLine BranchLine(std::int32_t branch)
{
    return {{TokensOf({branch % 2, branch}).Branch, true}, {BranchName(branch), false}};
}

TableCell HiddenCell(const std::vector<HiddenStem> &hidden)
{
    TableCell cell;
    for (const HiddenStem &stem : hidden) {
        TextLine line = StemLine(stem.Stem);
        line.push_back({"— " + GodName(stem.God), false});
        cell.Lines.push_back(std::move(line));
    }
    return cell;
}

TableRow HeadedRow(std::string heading, std::vector<TableCell> cells)
{
    return {std::move(heading), std::move(cells), false};
}

TableCell PointsCell(const char *point) { return PlainCell(RussianPoint(point)); }

} // namespace

std::string CellText(const TableCell &cell)
{
    std::string text;
    for (const TextLine &line : cell.Lines) {
        if (&line != &cell.Lines.front())
            text += "\n";
        for (const TextPiece &piece : line)
            text += (&piece == &line.front() ? "" : " ") + piece.Text;
    }
    return text;
}

TextTable ReadingTable(const ChartReading &reading)
{
    TextTable table{{PillarHeadings.begin(), PillarHeadings.end()}, true, {}};
    const char *headings[] = {"Ствол", "Божество", "Ветвь", "Скрытые стволы", "Фаза Ци", "Мелодия", "Пустота"};
    for (const char *heading : headings)
        table.Rows.push_back(HeadedRow(heading, {}));
    for (const PillarReading &p : reading.Pillars) {
        const TableCell cells[] = {
            {{StemLine(p.StemBranch.Stem)}},         PlainCell(p.StemGod ? GodName(*p.StemGod) : "—"),
            {{BranchLine(p.StemBranch.Branch)}},     HiddenCell(p.Hidden),
            PlainCell(StageName(p.Stage)),           PlainCell(NayinName(p.Nayin)),
            PlainCell(p.InDayVoid ? "пустота" : "—")};
        for (std::size_t row = 0; row < std::size(cells); ++row)
            table.Rows[row].Cells.push_back(cells[row]);
    }
    return table;
}

TextTable LuckTable(const LuckChart &luck, std::optional<std::size_t> present)
{
    TextTable table{{"Возраст", "Годы", "Ствол", "Ветвь"}, false, {}};
    for (std::size_t i = 0; i < luck.Pillars.size(); ++i) {
        const LuckPillar &p = luck.Pillars[i];
        const bool now = present == i;
        table.Rows.push_back({{},
                              {PlainCell(AgesText(p)), PlainCell(YearsText(p) + (now ? " (сейчас)" : "")),
                               TokenCell(p.Luck.Stem), TokenCell(p.Luck.Branch)},
                              now});
    }
    return table;
}

std::string LuckYearsTitle(const LuckPillar &pillar)
{
    return "Годы такта " + pillar.Luck.Stem + " " + pillar.Luck.Branch + " (" + YearsText(pillar) + ")";
}

TextTable LuckYearsTable(const LuckPillar &pillar, std::int32_t presentYear)
{
    TextTable table{{"Год", "Ствол", "Ветвь"}, false, {}};
    for (const LuckYear &year : pillar.Years) {
        const bool now = year.Year == presentYear;
        table.Rows.push_back({{},
                              {PlainCell(std::to_string(year.Year) + (now ? " (сейчас)" : "")),
                               TokenCell(year.YearPillar.Stem), TokenCell(year.YearPillar.Branch)},
                              now});
    }
    return table;
}

TextTable GuaTable(const Gua &gua)
{
    TextTable table{{}, true, {HeadedRow("Благоприятные", {}), HeadedRow("Неблагоприятные", {})}};
    for (std::size_t i = 0; i < gua.Favourable.size(); ++i) {
        table.Rows[0].Cells.push_back(PointsCell(gua.Favourable[i]));
        table.Rows[1].Cells.push_back(PointsCell(gua.Unfavourable[i]));
    }
    return table;
}

TextTable DaysTable(const std::vector<AlmanacRow> &rows)
{
    TextTable table{{"Дата", "Дн", "Столп дня", "Звезда", "Офицер", "Созвездие", "Столкн.", "Для карты"}, false, {}};
    for (const AlmanacRow &row : rows) {
        const TableCell pillar{{{{row.Stem, true}, {row.Branch, true}, {row.Animal, false}}}};
        table.Rows.push_back({{},
                              {PlainCell(row.Date), PlainCell(row.Weekday), pillar, PlainCell(std::to_string(row.Star)),
                               PlainCell(row.Officer), PlainCell(row.Mansion), PlainCell(row.Clash),
                               PlainCell(row.Marks ? MarksText(*row.Marks) : std::string())},
                              false});
    }
    return table;
}
