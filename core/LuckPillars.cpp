// SPDX-License-Identifier: AGPL-3.0-or-later
#include "LuckPillars.h"

#include <cmath>
#include <tuple>

#include "Ephemeris.h"
#include "Gregorian.h"
#include "Pillars.h"

namespace {

bool IsYangYear(std::int32_t solarYear) { return YearStemIndex(solarYear) % 2 == 0; }

} // namespace

// Seconds of time give hours of life at one minute to two hours; the days
// are taken to the nearest second first, so a span of exactly three days
// cannot fall a hair short of a year.
LifeSpan LifeSpanOf(double days)
{
    const long long seconds = std::llround(days * 86400);
    long long hours = seconds / 30;
    LifeSpan span;
    span.Years = static_cast<std::int32_t>(hours / (360 * 24));
    hours %= 360 * 24;
    span.Months = static_cast<std::int32_t>(hours / (30 * 24));
    hours %= 30 * 24;
    span.Days = static_cast<std::int32_t>(hours / 24);
    span.Hours = static_cast<std::int32_t>(hours % 24);
    return span;
}

namespace {

// Calendar years and months first (a day past the month's end becomes its
// last day), then days and hours.
ClockTime Later(const ChartInput &input, const LifeSpan &span)
{
    const std::int64_t months = std::int64_t(input.Month) - 1 + span.Months;
    const std::int32_t year = input.Year + span.Years + static_cast<std::int32_t>(FloorDiv(months, 12));
    const int month = static_cast<int>(FloorMod(months, 12)) + 1;
    const std::int32_t day = std::min(input.Day, DaysInMonth(year, month));
    const double hour = input.Hour + input.Minute / 60.0 + span.Hours;
    const CalendarMoment moment = CalendarOf(JulianDay(year, month, day + span.Days, hour));
    const long long minutes = std::llround(moment.Hour * 60);
    return {moment.Date, static_cast<std::int32_t>(minutes / 60), static_cast<std::int32_t>(minutes % 60)};
}

// The month boundary the direction points to, on the chart's term scale.
std::optional<double> Boundary(const ChartInput &input, const SolarTerms &terms, bool forward,
                               const SolarTermOptions &options)
{
    const int month = terms.SolarMonth;
    if (!forward)
        return terms.TermMoments[month - 1];
    if (month < 12)
        return terms.TermMoments[month];
    const TermStart next = SolarTermStart(terms.SearchYear + 1, 0);
    return FindSolarTerm(next.Year, next.Month, next.Target, CorrectionHoursOf(input), options.Search);
}

} // namespace

LuckOutcome ComputeLuck(const ChartInput &input, const ChartDetails &chart, Sex sex, const SolarTermOptions &options)
{
    LuckChart luck;
    luck.Forward = IsYangYear(chart.Terms.SolarYear) == (sex == Sex::Male);
    const std::optional<double> boundary = Boundary(input, chart.Terms, luck.Forward, options);
    if (!boundary)
        return {std::nullopt, ChartError::EphemerisRange};
    const double chartJD = chart.Moment.ChartJD;
    luck.SpanDays = luck.Forward ? *boundary - chartJD : chartJD - *boundary;
    luck.Start = LifeSpanOf(luck.SpanDays);
    luck.StartMoment = Later(input, luck.Start);
    const std::int32_t month = MonthCyclePosition(chart.Terms.SolarYear, chart.Terms.SolarMonth);
    for (int n = 1; n <= LuckPillarCount; ++n) {
        LuckPillar pillar;
        pillar.Luck = CyclePillar(month + (luck.Forward ? n : -n));
        pillar.FromAge = luck.Start.Years + 10 * (n - 1);
        pillar.FromYear = luck.StartMoment.Date.Year + 10 * (n - 1);
        for (int k = 0; k < 10; ++k)
            pillar.Years[k] = {pillar.FromYear + k, YearPillarOf(pillar.FromYear + k)};
        luck.Pillars.push_back(pillar);
    }
    return {luck};
}

std::optional<std::size_t> PillarHolding(const LuckChart &luck, const CalendarDate &date)
{
    const auto startOf = [&luck](std::size_t n) {
        const CalendarDate &first = luck.StartMoment.Date;
        return std::tuple(first.Year + 10 * std::int32_t(n), first.Month, first.Day);
    };
    const auto day = std::tuple(date.Year, date.Month, date.Day);
    for (std::size_t n = 0; n < luck.Pillars.size(); ++n)
        if (!(day < startOf(n)) && day < startOf(n + 1))
            return n;
    return std::nullopt;
}
