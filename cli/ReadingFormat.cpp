// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ReadingFormat.h"

#include "Json.h"

#include "ReadingText.h"

namespace {

constexpr const char *PillarKeys[] = {"hour", "day", "month", "year"};

Json PillarList(const std::vector<PillarName> &pillars)
{
    Json list = Json::array();
    for (const PillarName pillar : pillars)
        list.push_back(PillarKeys[static_cast<int>(pillar)]);
    return list;
}

Json PillarJson(const PillarReading &pillar)
{
    const Sign &sign = pillar.StemBranch;
    const Pillar tokens = TokensOf(sign);
    Json hidden = Json::array();
    for (const HiddenStem &stem : pillar.Hidden)
        hidden.push_back({{"stem", StemToken(stem.Stem)}, {"name", StemName(stem.Stem)}, {"god", GodName(stem.God)}});
    return {{"stem", tokens.Stem},
            {"stemName", StemName(sign.Stem)},
            {"branch", tokens.Branch},
            {"branchName", BranchName(sign.Branch)},
            {"god", pillar.StemGod ? Json(GodName(*pillar.StemGod)) : Json()},
            {"hidden", hidden},
            {"stage", StageName(pillar.Stage)},
            {"nayin", NayinName(pillar.Nayin)},
            {"void", pillar.InDayVoid}};
}

Json VoidJson(const std::array<std::int32_t, 2> &branches)
{
    return Json::array({BranchName(branches[0]), BranchName(branches[1])});
}

Json ElementsJson(const std::array<std::int32_t, 5> &counts)
{
    Json elements = Json::object();
    for (std::size_t e = 0; e < counts.size(); ++e)
        elements[ElementName(static_cast<std::int32_t>(e))] = counts[e];
    return elements;
}

} // namespace

Json ReadingJson(const ChartReading &reading)
{
    Json pillars = Json::object();
    for (std::size_t i = 0; i < reading.Pillars.size(); ++i)
        pillars[PillarKeys[i]] = PillarJson(reading.Pillars[i]);
    Json relations = Json::array();
    for (const Relation &relation : reading.Relations)
        relations.push_back({{"kind", RelationName(relation.Kind)}, {"pillars", PillarList(relation.Pillars)}});
    Json stars = Json::array();
    for (const StarFound &star : reading.Stars)
        stars.push_back(
            {{"name", StarName(star.Kind)}, {"from", SourceKey(star.From)}, {"pillars", PillarList(star.Pillars)}});
    const Json object = {
        {"dayMaster", StemName(reading.Pillars[1].StemBranch.Stem)},
        {"pillars", pillars},
        {"void", {{"day", VoidJson(reading.DayVoid)}, {"year", VoidJson(reading.YearVoid)}}},
        {"relations", relations},
        {"stars", stars},
        {"elements", {{"visible", ElementsJson(reading.Elements)}, {"hidden", ElementsJson(reading.HiddenElements)}}},
    };
    return object;
}
