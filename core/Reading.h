// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ChartSigns.h"

// The reading of a chart: the ten gods, the twelve stages, the melodies,
// the void, the relations between the pillars, the symbolic stars and the
// count of the elements, as values; ReadingText.h puts them into words.
// Stems 0..9 and branches 0..11 as in ChartSigns.h; elements 0..4 are
// Дерево, Огонь, Земля, Металл, Вода. Names are UTF-8.

// The ten gods of a stem against the day master (the day's stem), each pair
// same polarity first: same element, produced by the master, controlled by
// it, controlling it, producing it.
enum class TenGod {
    Friend,
    RobWealth,
    EatingGod,
    HurtingOfficer,
    IndirectWealth,
    DirectWealth,
    SevenKillings,
    DirectOfficer,
    IndirectResource,
    DirectResource,
};

enum class RelationKind {
    Clash,           // branches six apart
    Combination,     // the six branch pairs
    Harm,            // the six harming pairs
    Punishment,      // the punishing pairs and the four self-punishing branches
    Triple,          // all three of a three-branch union
    HalfTriple,      // its middle branch and one other, not all three
    Gathering,       // all three branches of a season
    StemCombination, // stems five apart
    StemClash,       // stems six apart
};

enum class Star {
    Nobleman,
    Academic,
    Prosperity,
    Blade,
    TravellingHorse,
    PeachBlossom,
    Canopy,
    General,
    HeavenlyVirtue,
    MonthlyVirtue,
};

// The sign a star is counted from.
enum class StarSource { DayStem, YearStem, DayBranch, YearBranch, MonthBranch };

struct HiddenStem {
    std::int32_t Stem = 0;
    TenGod God = TenGod::Friend;
    bool operator==(const HiddenStem &) const = default;
};

struct PillarReading {
    Sign StemBranch;
    std::optional<TenGod> StemGod;  // nothing for the day pillar, whose stem is the master
    std::vector<HiddenStem> Hidden; // the branch's hidden stems, main first
    std::int32_t Stage = 0;         // 0..11: the master's stage at this branch
    std::int32_t Nayin = 0;         // 0..29: the melody of the pillar's pair
    bool InDayVoid = false;         // the branch is in the day pillar's void
    bool operator==(const PillarReading &) const = default;
};

// A relation lists the pillars it joins: the two of a pair, or every pillar
// holding a branch of a three.
struct Relation {
    RelationKind Kind = RelationKind::Clash;
    std::vector<PillarName> Pillars;
    bool operator==(const Relation &) const = default;
};

struct StarFound {
    Star Kind = Star::Nobleman;
    StarSource From = StarSource::DayStem;
    std::vector<PillarName> Pillars; // those whose stem or branch holds it, never empty
    bool operator==(const StarFound &) const = default;
};

struct ChartReading {
    std::array<PillarReading, 4> Pillars; // hour, day, month, year
    std::array<std::int32_t, 2> DayVoid{};
    std::array<std::int32_t, 2> YearVoid{};
    std::vector<Relation> Relations;        // by kind in RelationKind order, then pillar order
    std::vector<StarFound> Stars;           // in Star order, day stem before year stem, year branch before day branch
    std::array<std::int32_t, 5> Elements{}; // of the four stems and four branches (by the main hidden stem)
    std::array<std::int32_t, 5> HiddenElements{}; // of all hidden stems of the four branches
};

ChartReading ReadChart(const ChartSigns &signs);

// The rules for one sign, as ReadChart applies them.
std::int32_t StemElement(std::int32_t stem);
const std::vector<std::int32_t> &HiddenStems(std::int32_t branch);
TenGod GodOf(std::int32_t dayStem, std::int32_t stem);
// Рождение is 0; yang stems go forward through the branches, yin backward.
std::int32_t StageOf(std::int32_t dayStem, std::int32_t branch);
std::int32_t NayinOf(const Sign &sign);
// The two branches, in cycle order, that the sign's ten-day decade leaves out.
std::array<std::int32_t, 2> VoidOf(const Sign &sign);
// The branches Благородный человек stands on for a stem (day or year), and
// the branch of Ямская лошадь and of Цветок любви for a branch's union.
std::array<std::int32_t, 2> NoblemanBranches(std::int32_t stem);
std::int32_t TravellingHorseBranch(std::int32_t branch);
std::int32_t PeachBlossomBranch(std::int32_t branch);

// Russian names: "Ян Дерево", "Крыса", "Дерево", "Друг", "Рождение",
// "Металл в море", "Столкновение", "Благородный человек".
std::string StemName(std::int32_t stem);
std::string BranchName(std::int32_t branch);
std::string ElementName(std::int32_t element);
std::string GodName(TenGod god);
std::string StageName(std::int32_t stage);
std::string NayinName(std::int32_t nayin);
std::string RelationName(RelationKind kind);
std::string StarName(Star star);
