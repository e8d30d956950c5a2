// SPDX-License-Identifier: AGPL-3.0-or-later
// By-hand check that the fast solar-term search stops on the same Julian day,
// bit for bit, as the step-by-step one: random searches as the chart makes
// them (all twelve terms, search years 1..3000, corrections -23..23), then
// every term of every year 1..3000. Prints the counts, the mismatches and
// the time; exits 1 on any mismatch.
//
//   term_equivalence [random-searches]     (default 100000)

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>

#include "Ephemeris.h"
#include "RandomCases.h"

namespace {

struct Tally {
    long Cases = 0;
    long Mismatches = 0;
    std::uint64_t LiteralCalls = 0;
    std::uint64_t FastCalls = 0;
};

void Compare(const TermStart &start, std::int32_t correction, Tally &tally)
{
    const std::uint64_t before = SunCalcCount();
    const auto literal = FindSolarTerm(start.Year, start.Month, start.Target, correction, TermSearch::Literal);
    const std::uint64_t between = SunCalcCount();
    const auto fast = FindSolarTerm(start.Year, start.Month, start.Target, correction);
    tally.LiteralCalls += between - before;
    tally.FastCalls += SunCalcCount() - between;
    ++tally.Cases;
    if (SameMoment(literal, fast))
        return;
    ++tally.Mismatches;
    std::cout.precision(17);
    std::cout << "mismatch: start " << start.Year << "-" << start.Month << " target " << start.Target << " correction "
              << correction << ": literal " << literal.value_or(-1) << " fast " << fast.value_or(-1) << "\n";
}

void Report(const char *what, const Tally &tally, std::chrono::steady_clock::duration time)
{
    const double cases = static_cast<double>(tally.Cases);
    std::cout << what << ": " << tally.Cases << " searches, " << tally.Mismatches << " mismatches, swe_calc per search "
              << tally.LiteralCalls / cases << " step by step, " << tally.FastCalls / cases << " fast, "
              << std::chrono::duration<double>(time).count() << " s\n";
}

} // namespace

int main(int argc, char **argv)
{
    const long randomCases = argc > 1 ? std::atol(argv[1]) : 100000;
    auto start = std::chrono::steady_clock::now();
    Tally random;
    std::mt19937_64 generator(20240204);
    for (long i = 0; i < randomCases; ++i) {
        const TermCase c = RandomTermCase(generator);
        Compare(c.Start, c.Correction, random);
    }
    Report("random", random, std::chrono::steady_clock::now() - start);

    start = std::chrono::steady_clock::now();
    Tally years;
    for (std::int32_t year = 1; year <= 3000; ++year) {
        for (int index = 0; index < 12; ++index)
            Compare(SolarTermStart(year, index), year % 47 - 23, years);
    }
    Report("every year", years, std::chrono::steady_clock::now() - start);
    return random.Mismatches + years.Mismatches == 0 ? 0 : 1;
}
