// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Reading.h"

#include <algorithm>

#include "Gregorian.h"
#include "ReadingTables.h"

namespace T = ReadingTables;

namespace {

using PillarList = std::vector<PillarName>;

// The six pairs of pillars in the order the relations list them.
constexpr std::array<std::pair<PillarName, PillarName>, 6> PillarPairs{{
    {PillarName::Hour, PillarName::Day},
    {PillarName::Hour, PillarName::Month},
    {PillarName::Hour, PillarName::Year},
    {PillarName::Day, PillarName::Month},
    {PillarName::Day, PillarName::Year},
    {PillarName::Month, PillarName::Year},
}};

bool InPairs(const T::Pairs &pairs, std::int32_t a, std::int32_t b)
{
    return std::any_of(pairs.begin(), pairs.end(), [a, b](const auto &p) {
        return (p.first == a && p.second == b) || (p.first == b && p.second == a);
    });
}

// Index 0..3 of the union in T::Triples that holds the branch.
std::size_t UnionOf(std::int32_t branch)
{
    for (std::size_t u = 0; u < T::Triples.size(); ++u)
        if (std::find(T::Triples[u].begin(), T::Triples[u].end(), branch) != T::Triples[u].end())
            return u;
    return 0;
}

PillarList WithBranch(const ChartSigns &signs, std::int32_t branch, std::optional<PillarName> except = std::nullopt)
{
    PillarList found;
    for (PillarName p : PillarNames)
        if (p != except && SignOf(signs, p).Branch == branch)
            found.push_back(p);
    return found;
}

PillarList WithStem(const ChartSigns &signs, std::int32_t stem)
{
    PillarList found;
    for (PillarName p : PillarNames)
        if (SignOf(signs, p).Stem == stem)
            found.push_back(p);
    return found;
}

// Pillars whose branch is one of the branches.
template <std::size_t N>
PillarList WithBranches(const ChartSigns &signs, const std::array<std::int32_t, N> &branches)
{
    PillarList found;
    for (PillarName p : PillarNames)
        if (std::find(branches.begin(), branches.end(), SignOf(signs, p).Branch) != branches.end())
            found.push_back(p);
    return found;
}

// part: the stems or the branches of the pillars.
void AddPairs(std::vector<Relation> &relations, RelationKind kind, const T::Pairs &pairs, const ChartSigns &signs,
              std::int32_t Sign::*part)
{
    for (const auto &[a, b] : PillarPairs)
        if (InPairs(pairs, SignOf(signs, a).*part, SignOf(signs, b).*part))
            relations.push_back({kind, {a, b}});
}

// How many of the three branches stand in the chart.
std::size_t Standing(const ChartSigns &signs, const std::array<std::int32_t, 3> &three)
{
    return static_cast<std::size_t>(
        std::count_if(three.begin(), three.end(), [&](std::int32_t b) { return !WithBranch(signs, b).empty(); }));
}

void AddThrees(std::vector<Relation> &relations, const ChartSigns &signs)
{
    for (const auto &three : T::Triples)
        if (Standing(signs, three) == 3)
            relations.push_back({RelationKind::Triple, WithBranches(signs, three)});
    for (const auto &three : T::Triples)
        if (Standing(signs, three) == 2 && !WithBranch(signs, three[1]).empty())
            relations.push_back({RelationKind::HalfTriple, WithBranches(signs, three)});
    for (const auto &season : T::Seasons)
        if (Standing(signs, season) == 3)
            relations.push_back({RelationKind::Gathering, WithBranches(signs, season)});
}

std::vector<Relation> RelationsOf(const ChartSigns &signs)
{
    std::vector<Relation> relations;
    AddPairs(relations, RelationKind::Clash, T::BranchClashes, signs, &Sign::Branch);
    AddPairs(relations, RelationKind::Combination, T::BranchCombinations, signs, &Sign::Branch);
    AddPairs(relations, RelationKind::Harm, T::BranchHarms, signs, &Sign::Branch);
    AddPairs(relations, RelationKind::Punishment, T::BranchPunishments, signs, &Sign::Branch);
    AddThrees(relations, signs);
    AddPairs(relations, RelationKind::StemCombination, T::StemCombinations, signs, &Sign::Stem);
    AddPairs(relations, RelationKind::StemClash, T::StemClashes, signs, &Sign::Stem);
    return relations;
}

void AddStar(std::vector<StarFound> &stars, Star star, StarSource from, PillarList pillars)
{
    if (!pillars.empty())
        stars.push_back({star, from, std::move(pillars)});
}

// The stars of the day stem: Академик, Процветание, Клинок.
void AddDayStemStars(std::vector<StarFound> &stars, const ChartSigns &signs)
{
    const std::int32_t stem = signs.Day.Stem;
    AddStar(stars, Star::Academic, StarSource::DayStem, WithBranch(signs, T::Academic[stem]));
    AddStar(stars, Star::Prosperity, StarSource::DayStem, WithBranch(signs, T::Prosperity[stem]));
    if (T::Blade[stem] >= 0)
        AddStar(stars, Star::Blade, StarSource::DayStem, WithBranch(signs, T::Blade[stem]));
}

// A star of the year's and of the day's branch union, looked for in the
// other three pillars.
void AddUnionStar(std::vector<StarFound> &stars, const ChartSigns &signs, Star star,
                  const std::array<std::int32_t, 4> &table)
{
    AddStar(stars, star, StarSource::YearBranch,
            WithBranch(signs, table[UnionOf(signs.Year.Branch)], PillarName::Year));
    AddStar(stars, star, StarSource::DayBranch, WithBranch(signs, table[UnionOf(signs.Day.Branch)], PillarName::Day));
}

void AddVirtues(std::vector<StarFound> &stars, const ChartSigns &signs)
{
    const T::Mark heavenly = T::HeavenlyVirtue[signs.Month.Branch];
    AddStar(stars, Star::HeavenlyVirtue, StarSource::MonthBranch,
            heavenly.IsStem ? WithStem(signs, heavenly.Index) : WithBranch(signs, heavenly.Index));
    AddStar(stars, Star::MonthlyVirtue, StarSource::MonthBranch,
            WithStem(signs, T::MonthlyVirtue[UnionOf(signs.Month.Branch)]));
}

std::vector<StarFound> StarsOf(const ChartSigns &signs)
{
    std::vector<StarFound> stars;
    AddStar(stars, Star::Nobleman, StarSource::DayStem, WithBranches(signs, T::Nobleman[signs.Day.Stem]));
    AddStar(stars, Star::Nobleman, StarSource::YearStem, WithBranches(signs, T::Nobleman[signs.Year.Stem]));
    AddDayStemStars(stars, signs);
    AddUnionStar(stars, signs, Star::TravellingHorse, T::TravellingHorse);
    AddUnionStar(stars, signs, Star::PeachBlossom, T::PeachBlossom);
    AddUnionStar(stars, signs, Star::Canopy, T::Canopy);
    AddUnionStar(stars, signs, Star::General, T::General);
    AddVirtues(stars, signs);
    return stars;
}

PillarReading PillarOf(const ChartSigns &signs, PillarName pillar, const std::array<std::int32_t, 2> &dayVoid)
{
    const Sign &sign = SignOf(signs, pillar);
    const std::int32_t master = signs.Day.Stem;
    PillarReading reading;
    reading.StemBranch = sign;
    if (pillar != PillarName::Day)
        reading.StemGod = GodOf(master, sign.Stem);
    for (std::int32_t stem : HiddenStems(sign.Branch))
        reading.Hidden.push_back({stem, GodOf(master, stem)});
    reading.Stage = StageOf(master, sign.Branch);
    reading.Nayin = NayinOf(sign);
    reading.InDayVoid = sign.Branch == dayVoid[0] || sign.Branch == dayVoid[1];
    return reading;
}

} // namespace

ChartReading ReadChart(const ChartSigns &signs)
{
    ChartReading reading;
    reading.DayVoid = VoidOf(signs.Day);
    reading.YearVoid = VoidOf(signs.Year);
    for (std::size_t i = 0; i < PillarNames.size(); ++i) {
        reading.Pillars[i] = PillarOf(signs, PillarNames[i], reading.DayVoid);
        const Sign &sign = SignOf(signs, PillarNames[i]);
        ++reading.Elements[StemElement(sign.Stem)];
        ++reading.Elements[StemElement(HiddenStems(sign.Branch).front())];
        for (std::int32_t stem : HiddenStems(sign.Branch))
            ++reading.HiddenElements[StemElement(stem)];
    }
    reading.Relations = RelationsOf(signs);
    reading.Stars = StarsOf(signs);
    return reading;
}

std::int32_t StemElement(std::int32_t stem) { return stem / 2; }

const std::vector<std::int32_t> &HiddenStems(std::int32_t branch) { return T::HiddenStems[branch]; }

// Counting on from the master's element, 1 is what it produces, 2 what it
// controls, 3 what controls it and 4 what produces it; TenGod holds the gods
// in that order, same polarity first.
TenGod GodOf(std::int32_t dayStem, std::int32_t stem)
{
    const auto step = FloorMod(StemElement(stem) - StemElement(dayStem), 5);
    return static_cast<TenGod>(2 * step + (stem % 2 != dayStem % 2 ? 1 : 0));
}

std::int32_t StageOf(std::int32_t dayStem, std::int32_t branch)
{
    const std::int32_t birth = T::BirthBranches[dayStem];
    return static_cast<std::int32_t>(dayStem % 2 == 0 ? FloorMod(branch - birth, 12) : FloorMod(birth - branch, 12));
}

std::int32_t NayinOf(const Sign &sign) { return SignPosition(sign) / 2; }

// A decade starts at a Ян Дерево sign; its first branch is the sign's branch
// less the sign's stem, and the ten branches after that leave the next two.
std::array<std::int32_t, 2> VoidOf(const Sign &sign)
{
    const auto first = FloorMod(sign.Branch - sign.Stem + 10, 12);
    return {static_cast<std::int32_t>(first), static_cast<std::int32_t>((first + 1) % 12)};
}

std::array<std::int32_t, 2> NoblemanBranches(std::int32_t stem) { return T::Nobleman[stem]; }
std::int32_t TravellingHorseBranch(std::int32_t branch) { return T::TravellingHorse[UnionOf(branch)]; }
std::int32_t PeachBlossomBranch(std::int32_t branch) { return T::PeachBlossom[UnionOf(branch)]; }

std::string StemName(std::int32_t stem) { return T::StemNames[stem]; }
std::string BranchName(std::int32_t branch) { return T::BranchNames[branch]; }
std::string ElementName(std::int32_t element) { return T::ElementNames[element]; }
std::string GodName(TenGod god) { return T::GodNames[static_cast<std::size_t>(god)]; }
std::string StageName(std::int32_t stage) { return T::StageNames[stage]; }
std::string NayinName(std::int32_t nayin) { return T::NayinNames[nayin]; }
std::string RelationName(RelationKind kind) { return T::RelationNames[static_cast<std::size_t>(kind)]; }
std::string StarName(Star star) { return T::StarNames[static_cast<std::size_t>(star)]; }
