// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SolarTerms.h"

#include "Ephemeris.h"
#include "Gregorian.h"

namespace {

// The trial moment the search stops on, split into date and hour.
std::optional<CalendarMoment> FoundTerm(std::int32_t startYear, std::int32_t startMonth, double target,
                                        TermSearch search)
{
    const std::optional<double> found = SearchTerm(startYear, startMonth, target, search);
    if (!found)
        return std::nullopt;
    return CalendarOf(*found);
}

double MovedByCorrection(const CalendarMoment &found, double correction)
{
    return JulianDay(found.Date.Year, found.Date.Month, found.Date.Day, found.Hour + correction);
}

// Term index of searchYear, the search from the cache when it holds it; the
// correction is applied afterwards in either case.
std::optional<double> TermOfYear(std::int32_t searchYear, int index, double correction, const SolarTermOptions &options)
{
    const std::optional<CalendarMoment> *known = options.Cache ? options.Cache->Find(searchYear, index) : nullptr;
    std::optional<CalendarMoment> found;
    if (known) {
        found = *known;
    } else {
        const TermStart start = SolarTermStart(searchYear, index);
        found = FoundTerm(start.Year, start.Month, start.Target, options.Search);
        if (options.Cache)
            options.Cache->Store(searchYear, index, found);
    }
    if (!found)
        return std::nullopt;
    return MovedByCorrection(*found, correction);
}

std::int32_t SquareYearOf(const CalendarDate &date, double sunLongitude, std::int32_t solarYear)
{
    if (date.Month == 1)
        return date.Year - 1;
    if (date.Month != 2)
        return solarYear;
    if (date.Day <= 3)
        return date.Year - 1;
    if (date.Day <= 5)
        return sunLongitude >= 315 ? solarYear : date.Year - 1;
    return solarYear;
}

} // namespace

std::optional<double> FindSolarTerm(std::int32_t startYear, std::int32_t startMonth, double target, double correction,
                                    TermSearch search)
{
    const std::optional<CalendarMoment> found = FoundTerm(startYear, startMonth, target, search);
    if (!found)
        return std::nullopt;
    return MovedByCorrection(*found, correction);
}

TermStart SolarTermStart(std::int32_t searchYear, int index)
{
    if (index == 0)
        return {searchYear, 2, 315};
    if (index == 1)
        return {searchYear, 3, 345};
    const int k = index - 2;
    const int month = k + 4;
    const double target = 15 + 30 * k;
    return month <= 12 ? TermStart{searchYear, month, target} : TermStart{searchYear + 1, month - 12, target};
}

std::optional<SolarTerms> FindSolarTerms(const ChartMoment &moment, double sunLongitude, double correction,
                                         const SolarTermOptions &options)
{
    SolarTerms terms;
    auto &T = terms.TermMoments;
    const CalendarDate &date = moment.ChartDate;

    terms.SearchYear = date.Month == 1 ? date.Year - 1 : date.Year;
    auto spring = TermOfYear(terms.SearchYear, 0, correction, options);
    if (spring && date.Month == 2 && *spring >= moment.ChartJD) {
        terms.SearchYear = date.Year - 1;
        spring = TermOfYear(terms.SearchYear, 0, correction, options);
    }
    if (!spring)
        return std::nullopt;
    T[0] = *spring;
    terms.SolarYear = CalendarOf(T[0]).Date.Year;
    terms.SquareYear = SquareYearOf(date, sunLongitude, terms.SolarYear);
    terms.YearGroup = static_cast<std::int32_t>(FloorMod(terms.SolarYear, 3));

    for (int i = 1; i < SolarTermCache::TermCount; ++i) {
        const auto term = TermOfYear(terms.SearchYear, i, correction, options);
        if (!term)
            return std::nullopt;
        T[i] = *term;
    }
    T[12] = T[11] + 31;

    for (int i = 1; i <= 12; ++i) {
        if (T[i - 1] < moment.ChartJD && moment.ChartJD <= T[i])
            terms.SolarMonth = i;
    }
    // The choice of the search year puts every moment into one month; should
    // none hold it, there is no month to build the pillars from.
    if (terms.SolarMonth == 0)
        return std::nullopt;
    return terms;
}
