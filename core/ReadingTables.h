// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// The tables of the reading's rules, one for each rule, indexed by stem
// 0..9 (from Ян Дерево) or branch 0..11 (from Крыса). Reading.cpp applies
// them; nothing else reads them.

namespace ReadingTables {

extern const std::array<const char *, 10> StemNames;
extern const std::array<const char *, 12> BranchNames;
extern const std::array<const char *, 5> ElementNames;
extern const std::array<const char *, 10> GodNames;   // in TenGod order
extern const std::array<const char *, 12> StageNames; // from Рождение
extern const std::array<const char *, 30> NayinNames; // one for each pair of the sixty-cycle
extern const std::array<const char *, 9> RelationNames;
extern const std::array<const char *, 10> StarNames;

// Main hidden stem first.
extern const std::array<std::vector<std::int32_t>, 12> HiddenStems;

// The branch of each stem's Рождение.
extern const std::array<std::int32_t, 10> BirthBranches;

// Unordered pairs; a pair of one branch twice punishes that branch itself.
using Pairs = std::vector<std::pair<std::int32_t, std::int32_t>>;
extern const Pairs BranchClashes;
extern const Pairs BranchCombinations;
extern const Pairs BranchHarms;
extern const Pairs BranchPunishments;
extern const Pairs StemCombinations;
extern const Pairs StemClashes;

// The four three-branch unions, middle branch second, and the four seasons;
// the stars counted from a branch are indexed by its union in this order.
extern const std::array<std::array<std::int32_t, 3>, 4> Triples;
extern const std::array<std::array<std::int32_t, 3>, 4> Seasons;

// Stars by the counting stem: branches (Blade: -1 for the yin stems).
extern const std::array<std::array<std::int32_t, 2>, 10> Nobleman;
extern const std::array<std::int32_t, 10> Academic;
extern const std::array<std::int32_t, 10> Prosperity;
extern const std::array<std::int32_t, 10> Blade;

// Stars by the union of the counting branch: the branch to look for.
extern const std::array<std::int32_t, 4> TravellingHorse;
extern const std::array<std::int32_t, 4> PeachBlossom;
extern const std::array<std::int32_t, 4> Canopy;
extern const std::array<std::int32_t, 4> General;

// Virtues by the month branch: a stem or a branch to look for.
struct Mark {
    bool IsStem = true;
    std::int32_t Index = 0;
};
extern const std::array<Mark, 12> HeavenlyVirtue;
// by the month branch's union: a stem
extern const std::array<std::int32_t, 4> MonthlyVirtue;

} // namespace ReadingTables
