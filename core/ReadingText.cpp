// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ReadingText.h"

#include "PillarOrder.h"

namespace {

std::string PillarList(const std::vector<PillarName> &pillars)
{
    std::string text;
    for (PillarName p : pillars)
        text += (text.empty() ? "" : ", ") + PillarWord(p);
    return "(" + text + ")";
}

std::string PillarLine(const PillarReading &p, PillarName pillar)
{
    std::string line = PillarWord(pillar) + ": " + StemText(p.StemBranch.Stem);
    if (p.StemGod)
        line += ", " + GodName(*p.StemGod);
    line += "; " + BranchText(p.StemBranch.Branch) + "; скрытые: ";
    for (std::size_t i = 0; i < p.Hidden.size(); ++i)
        line += (i ? ", " : "") + StemText(p.Hidden[i].Stem) + " (" + GodName(p.Hidden[i].God) + ")";
    line += "; " + StageName(p.Stage) + "; " + NayinName(p.Nayin);
    return p.InDayVoid ? line + "; пустота" : line;
}

std::string VoidText(const std::array<std::int32_t, 2> &branches)
{
    return BranchName(branches[0]) + ", " + BranchName(branches[1]);
}

// Items joined by "; ", or "нет".
std::string ListOrNone(const std::vector<std::string> &items)
{
    std::string text;
    for (const std::string &item : items)
        text += (text.empty() ? "" : "; ") + item;
    return text.empty() ? "нет" : text;
}

std::string ElementCounts(const std::array<std::int32_t, 5> &counts)
{
    std::string text;
    for (std::size_t e = 0; e < counts.size(); ++e)
        text += (e ? ", " : "") + ElementName(static_cast<std::int32_t>(e)) + " " + std::to_string(counts[e]);
    return text;
}

} // namespace

std::string PillarWord(PillarName pillar) { return PillarHeadings[static_cast<std::size_t>(pillar)]; }

namespace {

struct SourceName {
    StarSource Source;
    const char *Words;
    const char *Key;
};

constexpr SourceName SourceNames[] = {
    {StarSource::DayStem, "от ствола дня", "dayStem"},
    {StarSource::YearStem, "от ствола года", "yearStem"},
    {StarSource::DayBranch, "от ветви дня", "dayBranch"},
    {StarSource::YearBranch, "от ветви года", "yearBranch"},
    {StarSource::MonthBranch, "от ветви месяца", "monthBranch"},
};

const SourceName &NameOf(StarSource from)
{
    for (const SourceName &name : SourceNames)
        if (name.Source == from)
            return name;
    return SourceNames[0];
}

} // namespace

std::string SourceWords(StarSource from) { return NameOf(from).Words; }

std::string SourceKey(StarSource from) { return NameOf(from).Key; }

std::string StemText(std::int32_t stem) { return StemToken(stem) + " " + StemName(stem); }

std::string BranchText(std::int32_t branch) { return TokensOf({branch % 2, branch}).Branch + " " + BranchName(branch); }

std::string FormatReadingText(const ChartReading &reading)
{
    std::string text;
    for (const std::string &line : ReadingLines(reading))
        text += line + "\n";
    return text;
}

std::vector<std::string> ReadingSummaryLines(const ChartReading &reading)
{
    std::vector<std::string> lines{"Пустота дня: " + VoidText(reading.DayVoid)
                                   + "; года: " + VoidText(reading.YearVoid)};
    std::vector<std::string> relations;
    for (const Relation &r : reading.Relations)
        relations.push_back(RelationName(r.Kind) + " " + PillarList(r.Pillars));
    lines.push_back("Связи: " + ListOrNone(relations));
    std::vector<std::string> stars;
    for (const StarFound &s : reading.Stars)
        stars.push_back(StarName(s.Kind) + " " + SourceWords(s.From) + " " + PillarList(s.Pillars));
    lines.push_back("Звёзды: " + ListOrNone(stars));
    lines.push_back("Стихии: " + ElementCounts(reading.Elements)
                    + "; в скрытых: " + ElementCounts(reading.HiddenElements));
    return lines;
}

std::vector<std::string> ReadingLines(const ChartReading &reading)
{
    const std::array<PillarReading, 4> &pillars = reading.Pillars;
    std::vector<std::string> lines{"Разбор карты", "Господин дня: " + StemName(pillars[1].StemBranch.Stem)};
    for (std::size_t i = 0; i < PillarNames.size(); ++i)
        lines.push_back(PillarLine(pillars[i], PillarNames[i]));
    for (std::string &line : ReadingSummaryLines(reading))
        lines.push_back(std::move(line));
    return lines;
}
