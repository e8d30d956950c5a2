// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ChartSpan.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "Ephemeris.h"
#include "Gregorian.h"
#include "InputFields.h"
#include "SolarTime.h"
#include "TimeScale.h"

namespace {

constexpr std::int64_t SecondsPerDay = 86400;
constexpr std::int64_t TwoHours = 7200;

// Seconds from 01.01.0001 00:00:00 of the clock to the entered moment.
std::int64_t ClockSecondsOf(const ChartInput &input)
{
    const std::int64_t days = DayCount({input.Year, input.Month, input.Day}) - 1;
    return days * SecondsPerDay + input.Hour * 3600 + input.Minute * 60;
}

CalendarDate DateOfDayCount(std::int64_t count)
{
    // A day count is close to 365.2425 days a year; step the rest.
    CalendarDate date{static_cast<std::int32_t>(count * 400 / 146097) + 1, 1, 1};
    while (DayCount(date) > count)
        date = {date.Year - 1, 1, 1};
    while (DayCount({date.Year + 1, 1, 1}) <= count)
        date = {date.Year + 1, 1, 1};
    while (date.Month < 12 && DayCount({date.Year, date.Month + 1, 1}) <= count)
        ++date.Month;
    date.Day = static_cast<std::int32_t>(count - DayCount({date.Year, date.Month, 1}) + 1);
    return date;
}

// Where the sun's longitude takes a step up: the first whole second at
// which it is 315 degrees or more, searched near an estimate by halving.
std::optional<std::int64_t> SunReaches315(const ChartInput &input, std::int64_t estimate)
{
    const auto sunAt = [&](std::int64_t s) { return SunLongitudeAt(ChartMomentOf(input, s).ChartJD); };
    std::int64_t below = estimate - 600;
    std::int64_t above = estimate + 600;
    const auto low = sunAt(below);
    const auto high = sunAt(above);
    if (!low || !high || *low >= 315 || *high < 315)
        return std::nullopt;
    while (above - below > 1) {
        const std::int64_t middle = below + (above - below) / 2;
        const auto sun = sunAt(middle);
        if (!sun)
            return std::nullopt;
        (*sun >= 315 ? above : below) = middle;
    }
    return above;
}

// The first whole second whose chart moment lies after the term moment:
// the chart's month is the next one from there.
std::int64_t FirstSecondAfter(const ChartInput &input, double term, double entered)
{
    auto s = static_cast<std::int64_t>(std::floor((term - entered) * SecondsPerDay)) - 2;
    while (ChartMomentOf(input, s).ChartJD <= term)
        ++s;
    return s;
}

// Every instant in (from, to) at which the local-mean-time chart can
// change, given the terms of the charts at both ends of the span.
std::set<std::int64_t> Candidates(const ChartInput &input, std::int64_t from, std::int64_t to,
                                  const std::vector<const SolarTerms *> &terms)
{
    std::set<std::int64_t> found;
    const std::int64_t base = ChartSecondsOf(input);
    for (std::int64_t s = (FloorDiv(base + from, TwoHours) + 1) * TwoHours - base; s < to; s += TwoHours)
        found.insert(s);
    // Midnight is 1:00 on the scale of local mean time + 1 hour, between
    // two of the even hours.
    if (input.DayChangeAtMidnight) {
        const std::int64_t midnight = 3600;
        for (std::int64_t s = (FloorDiv(base + from - midnight, SecondsPerDay) + 1) * SecondsPerDay + midnight - base;
             s < to; s += SecondsPerDay)
            found.insert(s);
    }
    const double entered = ChartMomentOf(input).ChartJD;
    for (const SolarTerms *year : terms) {
        for (int i = 0; i < 12; ++i)
            found.insert(FirstSecondAfter(input, year->TermMoments[i], entered));
        // The search stopped near 315 degrees before the term was moved by the clock's offset.
        const double spring = year->TermMoments[0] - CorrectionHoursOf(input) / 24;
        const auto estimate = static_cast<std::int64_t>(std::floor((spring - entered) * SecondsPerDay));
        if (estimate > from - 900 && estimate < to + 900)
            if (const auto sun = SunReaches315(input, estimate))
                found.insert(*sun);
    }
    std::erase_if(found, [&](std::int64_t s) { return s <= from || s >= to; });
    return found;
}

struct SpanEdges {
    std::int64_t From = 0, To = 0;
    bool Cut = false;
};

SpanEdges EdgesOf(const ChartInput &input, std::int32_t minutes)
{
    const std::int64_t clock = ClockSecondsOf(input);
    const std::int64_t last = DayCount({SpecOf(InputFields::Year).High, 12, 31}) * SecondsPerDay;
    const std::int64_t from = std::max<std::int64_t>(-minutes * 60, -clock);
    const std::int64_t to = std::min<std::int64_t>(minutes * 60, last - clock);
    return {from, to, from != -minutes * 60 || to != minutes * 60};
}

// The last second in [from, to) whose chart computes, the chart at from
// computing: the built-in ephemeris ends, and every chart after its end
// fails, so the seconds that compute come first.
std::int64_t LastComputable(const ChartInput &input, std::int64_t from, std::int64_t to,
                            const SolarTermOptions &options)
{
    while (to - from > 1) {
        const std::int64_t middle = from + (to - from) / 2;
        (ComputeChartAt(input, middle, options).Details ? from : to) = middle;
    }
    return from;
}

// The first second from the entered moment whose chart time has reached
// scaleSeconds, an instant on the scale of local mean time (seconds from the
// entered moment): scaleSeconds itself without true solar time. A second
// plus its equation of time never falls as the seconds go on, since the
// equation changes by far less than a second a second; a step in its whole
// seconds can take a second of local mean time twice or skip one. The
// equation at scaleSeconds is within a second of the one at the answer.
std::optional<std::int64_t> FirstSecondReaching(const ChartInput &input, std::int64_t scaleSeconds)
{
    if (!input.TrueSolarTime)
        return scaleSeconds;
    const auto scaleAt = [&](std::int64_t s) -> std::optional<std::int64_t> {
        const std::optional<std::int32_t> equation = EquationSecondsAt(input, s);
        return equation ? std::optional(s + *equation) : std::nullopt;
    };
    const std::optional<std::int32_t> equation = EquationSecondsAt(input, scaleSeconds);
    if (!equation)
        return std::nullopt;
    // Forward to a second that reaches it, then back over those before it
    // that reach it too.
    std::int64_t s = scaleSeconds - *equation;
    for (std::optional<std::int64_t> at = scaleAt(s); !at || *at < scaleSeconds; at = scaleAt(++s)) {
        if (!at)
            return std::nullopt;
    }
    for (;;) {
        const std::optional<std::int64_t> before = scaleAt(s - 1);
        if (!before)
            return std::nullopt;
        if (*before < scaleSeconds)
            return s;
        --s;
    }
}

// Adds the chart that holds from the second from on. Two changes a second
// apart on local mean time can fall on the same second of true solar time,
// when the equation steps over the second between them: the chart between
// never holds and is dropped.
void AddChange(std::vector<ChartRange> &ranges, std::int64_t from, const ChartResult &result)
{
    if (ranges.size() > 1 && ranges.back().From == from) {
        const std::int64_t to = ranges.back().To;
        ranges.pop_back();
        ranges.back().To = to;
    }
    ChartRange &current = ranges.back();
    const unsigned changes = ChangesBetween(current.Result, result);
    if (changes == 0)
        return;
    const std::int64_t to = current.To;
    current.To = from;
    ranges.push_back({from, to, result, changes});
}

} // namespace

unsigned ChangesBetween(const ChartResult &before, const ChartResult &after)
{
    const auto bit = [](bool differs, ChartChange change) { return differs ? unsigned(change) : 0U; };
    return bit(before.HourPillar != after.HourPillar, ChangeHour) | bit(before.DayPillar != after.DayPillar, ChangeDay)
        | bit(before.MonthPillar != after.MonthPillar, ChangeMonth)
        | bit(before.YearPillar != after.YearPillar, ChangeYear)
        | bit(before.YearSquare != after.YearSquare, ChangeYearSquare)
        | bit(before.MonthSquare != after.MonthSquare, ChangeMonthSquare);
}

ClockTime ClockTimeAt(const ChartInput &input, std::int64_t laterSeconds)
{
    const std::int64_t seconds = ClockSecondsOf(input) + laterSeconds;
    const auto ofDay = static_cast<std::int32_t>(FloorMod(seconds, SecondsPerDay));
    return {DateOfDayCount(FloorDiv(seconds, SecondsPerDay) + 1), ofDay / 3600, ofDay / 60 % 60, ofDay % 60};
}

SpanOutcome ComputeChartSpan(const ChartInput &input, std::int32_t minutes, const SolarTermOptions &options)
{
    SolarTermCache ownCache;
    SolarTermOptions shared = options;
    if (!shared.Cache)
        shared.Cache = &ownCache;
    SpanEdges edges = EdgesOf(input, std::clamp(minutes, 1, MaxSpanMinutes));
    const ChartOutcome first = ComputeChartAt(input, edges.From, shared);
    if (!first.Details)
        return {std::nullopt, first.Error};
    ChartOutcome last = ComputeChartAt(input, edges.To - 1, shared);
    if (!last.Details) {
        edges.To = LastComputable(input, edges.From, edges.To - 1, shared) + 1;
        edges.Cut = true;
        last = ComputeChartAt(input, edges.To - 1, shared);
    }

    // The true-solar-time chart of a second is the local-mean-time chart of
    // that second plus its equation of time, so the changes are found on
    // local mean time between the ends so moved, and each is taken back to
    // the first second that reaches it.
    ChartInput local = input;
    local.TrueSolarTime = false;
    const std::int64_t scaleFrom = edges.From + first.Details->EquationSeconds;
    const std::int64_t scaleTo = edges.To + last.Details->EquationSeconds;
    ChartSpan span{{{edges.From, edges.To, first.Details->Result, 0}}, edges.Cut};
    for (std::int64_t t : Candidates(local, scaleFrom, scaleTo, {&first.Details->Terms, &last.Details->Terms})) {
        const ChartOutcome chart = ComputeChartAt(local, t, shared);
        if (!chart.Details)
            return {std::nullopt, chart.Error};
        const std::optional<std::int64_t> from = FirstSecondReaching(input, t);
        if (!from)
            return {std::nullopt, ChartError::EphemerisRange};
        AddChange(span.Ranges, *from, chart.Details->Result);
    }
    return {span, {}};
}

std::optional<NearestChange> FindNearestChange(const ChartInput &input, const SolarTermOptions &options)
{
    // The hour pillar changes every two hours (and a second or so, as the
    // equation of time goes), so a little more than two hours either way
    // holds a change on both sides.
    const SpanOutcome outcome = ComputeChartSpan(input, 121, options);
    if (!outcome.Span || outcome.Span->Ranges.size() < 2)
        return std::nullopt;
    const auto &ranges = outcome.Span->Ranges;
    const auto after = std::find_if(ranges.begin() + 1, ranges.end(), [](const ChartRange &r) { return r.From > 0; });
    std::optional<NearestChange> nearest;
    if (after != ranges.end())
        nearest = NearestChange{after->Changes, after->From};
    if (after != ranges.begin() + 1) {
        const ChartRange &before = *(after - 1);
        if (!nearest || -before.From < nearest->Seconds)
            nearest = NearestChange{before.Changes, before.From};
    }
    return nearest;
}
