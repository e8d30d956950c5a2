// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Report.h"

#include "AlmanacYears.h"
#include "LuckText.h"
#include "ReadingText.h"
#include "ReportTables.h"

namespace {

using Kind = ReportBlock::Kind;

void AddReading(std::vector<ReportBlock> &blocks, const ChartReading &reading)
{
    blocks.push_back({Kind::Heading, "Разбор карты"});
    blocks.push_back({Kind::Paragraph, "Господин дня: " + StemName(reading.Pillars[1].StemBranch.Stem)});
    blocks.push_back({Kind::Table, {}, ReadingTable(reading)});
    for (const std::string &line : ReadingSummaryLines(reading))
        blocks.push_back({Kind::Paragraph, line});
}

void AddLuck(std::vector<ReportBlock> &blocks, const LuckReport &luck, const CalendarDate &today)
{
    const std::optional<std::size_t> present = PillarHolding(luck.Luck, today);
    blocks.push_back({Kind::Heading, "Такты удачи"});
    blocks.push_back({Kind::Paragraph, LuckSentence(luck.Luck, luck.Person)});
    blocks.push_back({Kind::Table, {}, LuckTable(luck.Luck, present)});
    if (present) {
        const LuckPillar &pillar = luck.Luck.Pillars[*present];
        AlmanacYears years;
        blocks.push_back({Kind::Paragraph, LuckYearsTitle(pillar)});
        blocks.push_back({Kind::Table, {}, LuckYearsTable(pillar, years.SolarYearOn(today))});
    }
    blocks.push_back({Kind::Paragraph, GuaTitle(luck.Number)});
    blocks.push_back({Kind::Table, {}, GuaTable(luck.Number)});
}

} // namespace

std::vector<ReportBlock> ReportBlocks(const ReportContent &report)
{
    std::vector<ReportBlock> blocks;
    if (report.Reading)
        AddReading(blocks, *report.Reading);
    if (report.Luck)
        AddLuck(blocks, *report.Luck, report.Today);
    if (!report.Days.empty()) {
        blocks.push_back(
            {Kind::Heading, "Календарь дней с " + report.Days.front().Date + " по " + report.Days.back().Date});
        blocks.push_back({Kind::Table, {}, DaysTable(report.Days)});
    }
    return blocks;
}

std::string ClientLine(const std::string &name) { return "Клиент: " + name; }
