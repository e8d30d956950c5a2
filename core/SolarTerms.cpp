#include "SolarTerms.h"

#include "Ephemeris.h"
#include "Gregorian.h"

namespace {

// The search compares against six fixed bounds. The two spring targets use
// the numbers as written (315.1, not 300 + 15.1, which may differ in the last
// bit); the others are 30k + 15.1 and so on, computed in that order.
struct TermBounds {
    double above1, above2, above3;
    double below1, below2, below3;
};

TermBounds BoundsFor(double target)
{
    if (target == 315)
        return {315.1, 315.01, 315.001, 314.9, 314.99, 314.999};
    if (target == 345)
        return {345.1, 345.01, 345.001, 344.9, 344.99, 344.999};
    const double base = 30.0 * static_cast<int>((target - 15) / 30);
    return {base + 15.1, base + 15.01, base + 15.001, base + 14.9, base + 14.99, base + 14.999};
}

// Far more steps than any start within a few days of its term needs (a few
// hundred); a search that has not settled by then never will.
constexpr int MaxSearchSteps = 100000;

std::optional<double> SearchUncorrected(std::int32_t year, std::int32_t month, double target)
{
    const TermBounds b = BoundsFor(target);
    double offset = 0;
    for (int step = 0; step < MaxSearchSteps; ++step) {
        const double trial = JulianDay(year, month, 4, offset);
        const std::optional<double> longitude = SunLongitudeAt(trial);
        if (!longitude)
            return std::nullopt;
        const double L = *longitude;
        if (L > b.above1)
            offset -= 0.5;
        else if (L > b.above2)
            offset -= 0.05;
        else if (L > b.above3)
            offset -= 0.005;
        else if (L < b.below1)
            offset += 0.5;
        else if (L < b.below2)
            offset += 0.05;
        else if (L < b.below3)
            offset += 0.005;
        else
            return trial;
    }
    return std::nullopt;
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

std::optional<double> FindSolarTerm(std::int32_t startYear, std::int32_t startMonth,
                                    double target, std::int32_t correction)
{
    const std::optional<double> found = SearchUncorrected(startYear, startMonth, target);
    if (!found)
        return std::nullopt;
    const CalendarMoment at = CalendarOf(*found);
    return JulianDay(at.Date.Year, at.Date.Month, at.Date.Day, at.Hour + correction);
}

std::optional<SolarTerms> FindSolarTerms(const ChartMoment &moment, double sunLongitude,
                                         std::int32_t correction)
{
    SolarTerms terms;
    auto &T = terms.TermMoments;
    const CalendarDate &date = moment.ChartDate;

    terms.SearchYear = date.Month == 1 ? date.Year - 1 : date.Year;
    auto spring = FindSolarTerm(terms.SearchYear, 2, 315, correction);
    if (spring && date.Month == 2 && *spring >= moment.ChartJD) {
        terms.SearchYear = date.Year - 1;
        spring = FindSolarTerm(terms.SearchYear, 2, 315, correction);
    }
    if (!spring)
        return std::nullopt;
    T[0] = *spring;
    terms.SolarYear = CalendarOf(T[0]).Date.Year;
    terms.SquareYear = SquareYearOf(date, sunLongitude, terms.SolarYear);
    terms.YearGroup = static_cast<std::int32_t>(FloorMod(terms.SolarYear, 3));

    const auto next = FindSolarTerm(terms.SearchYear, 3, 345, correction);
    if (!next)
        return std::nullopt;
    T[1] = *next;
    for (int k = 0; k <= 9; ++k) {
        const int month = k + 4;
        const auto term = month <= 12
            ? FindSolarTerm(terms.SearchYear, month, 15 + 30 * k, correction)
            : FindSolarTerm(terms.SearchYear + 1, month - 12, 15 + 30 * k, correction);
        if (!term)
            return std::nullopt;
        T[k + 2] = *term;
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
