// SPDX-License-Identifier: AGPL-3.0-or-later
#include <cmath>

#include <gtest/gtest.h>

#include "Ephemeris.h"
#include "SolarTerms.h"

namespace {

ChartMoment MomentOf(int day, int month, int year, int hour, int minute, int correction)
{
    return ChartMomentOf({day, month, year, hour, minute, correction, 0, 0, "E"});
}

SolarTerms TermsOf(const ChartMoment &moment, int correction)
{
    const auto sun = SunLongitudeAt(moment.ChartJD);
    const auto terms = FindSolarTerms(moment, *sun, correction);
    EXPECT_TRUE(terms);
    return terms.value_or(SolarTerms{});
}

} // namespace

TEST(SolarTerms, MomentsAgreeWithPublishedTables)
{
    // Published times (Hong Kong Observatory tables, converted to UT). The
    // search stops within 0.001 degree (about 1.5 minutes) and the library is
    // fed Universal Time as it stands, so three minutes is the tolerance.
    struct Case {
        int year, month, target;
        int utYear, utMonth, utDay, utHour, utMinute;
    };
    const Case cases[] = {
        {2000, 2, 315, 2000, 2, 4, 12, 40}, {2023, 2, 315, 2023, 2, 4, 2, 42}, {2024, 2, 315, 2024, 2, 4, 8, 27},
        {2025, 2, 315, 2025, 2, 3, 14, 10}, {2024, 3, 345, 2024, 3, 5, 2, 23}, {2024, 4, 15, 2024, 4, 4, 7, 2},
        {2024, 1, 285, 2024, 1, 5, 20, 49},
    };
    for (const Case &c : cases) {
        const auto found = FindSolarTerm(c.year, c.month, c.target, 0);
        ASSERT_TRUE(found);
        const double published = JulianDay(c.utYear, c.utMonth, c.utDay, c.utHour + c.utMinute / 60.0);
        EXPECT_NEAR(*found, published, 3.0 / 1440) << c.target << " degrees of " << c.year;
    }
}

TEST(SolarTerms, CorrectionMovesStoredMomentsLater)
{
    const double exact = *FindSolarTerm(2024, 2, 315, 0);
    EXPECT_NEAR(*FindSolarTerm(2024, 2, 315, 5) - exact, 5.0 / 24, 1e-8);
    EXPECT_NEAR(*FindSolarTerm(2024, 2, 315, -23) - exact, -23.0 / 24, 1e-8);
    // The stored moment keeps the longitude within the search's band.
    EXPECT_NEAR(*SunLongitudeAt(exact), 315, 0.001);
}

TEST(SolarTerms, MomentOnABoundaryBelongsToTheEarlierMonth)
{
    ChartMoment moment = MomentOf(15, 6, 2024, 12, 0, 0);
    const SolarTerms terms = TermsOf(moment, 0);
    EXPECT_EQ(terms.SolarMonth, 5);
    for (int i = 1; i <= 11; ++i) {
        moment.ChartJD = terms.TermMoments[i];
        moment.ChartDate = CalendarOf(moment.ChartJD).Date;
        EXPECT_EQ(TermsOf(moment, 0).SolarMonth, i) << "on boundary " << i;
        moment.ChartJD = std::nextafter(terms.TermMoments[i], 1e9);
        EXPECT_EQ(TermsOf(moment, 0).SolarMonth, i + 1) << "just after boundary " << i;
    }
}

TEST(SolarTerms, FebruaryBeforeTheStartOfSpringSearchesTheYearBefore)
{
    const SolarTerms before = TermsOf(MomentOf(2, 2, 2024, 12, 0, 0), 0);
    EXPECT_EQ(before.SearchYear, 2023);
    EXPECT_EQ(before.SolarYear, 2023);
    EXPECT_EQ(before.SolarMonth, 12);
    EXPECT_EQ(before.SquareYear, 2023);
    EXPECT_EQ(before.YearGroup, 2023 % 3);

    const SolarTerms after = TermsOf(MomentOf(10, 2, 2024, 12, 0, 0), 0);
    EXPECT_EQ(after.SolarYear, 2024);
    EXPECT_EQ(after.SolarMonth, 1);
    EXPECT_EQ(after.SquareYear, 2024);
}

TEST(SolarTerms, SquareYearNearTheStartOfSpring)
{
    // 2025 spring began on 3 February, 14:10 UT: solar year 2025, square year 2024.
    const SolarTerms third = TermsOf(MomentOf(3, 2, 2025, 20, 0, 0), 0);
    EXPECT_EQ(third.SolarYear, 2025);
    EXPECT_EQ(third.SquareYear, 2024);

    // 4 February 2024 00:00 on a clock at UT-5 is chart moment 06:00: the
    // stored spring moment (08:27 UT moved 5 hours earlier) is 03:27, so the
    // solar year has begun, but the sun is still short of 315 degrees.
    const ChartMoment early = MomentOf(4, 2, 2024, 0, 0, -5);
    EXPECT_EQ(early.ChartDate, (CalendarDate{2024, 2, 4}));
    const SolarTerms shifted = TermsOf(early, -5);
    EXPECT_EQ(shifted.SolarYear, 2024);
    EXPECT_LT(*SunLongitudeAt(early.ChartJD), 315);
    EXPECT_EQ(shifted.SquareYear, 2023);

    // 4 February 1904 00:00 at UT-23 is chart date 5 February: the solar
    // year has begun by the moved spring moment, the sun is at 314.77 degrees.
    const ChartMoment fifth = MomentOf(4, 2, 1904, 0, 0, -23);
    EXPECT_EQ(fifth.ChartDate, (CalendarDate{1904, 2, 5}));
    const SolarTerms onTheFifth = TermsOf(fifth, -23);
    EXPECT_EQ(onTheFifth.SolarYear, 1904);
    EXPECT_EQ(onTheFifth.SquareYear, 1903);

    // Later on 4 February the sun has passed 315 degrees.
    EXPECT_EQ(TermsOf(MomentOf(4, 2, 2024, 12, 0, 0), 0).SquareYear, 2024);
    // From 6 February the square year is the solar year; on 1..3 the year before.
    EXPECT_EQ(TermsOf(MomentOf(6, 2, 2024, 12, 0, 0), 0).SquareYear, 2024);
    EXPECT_EQ(TermsOf(MomentOf(1, 2, 2024, 12, 0, 0), 0).SquareYear, 2023);
}

TEST(SolarTerms, JanuaryAroundThe285DegreeTerm)
{
    // The 285-degree term of 2024 fell on 5 January, 20:49 UT.
    const SolarTerms before = TermsOf(MomentOf(5, 1, 2024, 12, 0, 0), 0);
    EXPECT_EQ(before.SolarYear, 2023);
    EXPECT_EQ(before.SolarMonth, 11);
    EXPECT_EQ(before.SquareYear, 2023);
    const SolarTerms after = TermsOf(MomentOf(6, 1, 2024, 12, 0, 0), 0);
    EXPECT_EQ(after.SolarYear, 2023);
    EXPECT_EQ(after.SolarMonth, 12);
}

TEST(SolarTerms, EphemerisFailureEndsTheSearch)
{
    EXPECT_FALSE(FindSolarTerm(4000, 2, 315, 0));
    EXPECT_FALSE(FindSolarTerm(3003, 5, 45, 0));
    EXPECT_TRUE(FindSolarTerm(3003, 4, 15, 0));
}
