// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Chart.h"

#include "Ephemeris.h"
#include "Pillars.h"
#include "SolarTime.h"
#include "Squares.h"

ChartOutcome ComputeChart(const ChartInput &input, const SolarTermOptions &options)
{
    return ComputeChartAt(input, 0, options);
}

ChartOutcome ComputeChartAt(const ChartInput &input, std::int64_t laterSeconds, const SolarTermOptions &options)
{
    ChartDetails details;
    if (input.TrueSolarTime) {
        const std::optional<std::int32_t> equation = EquationSecondsAt(input, laterSeconds);
        if (!equation)
            return {std::nullopt, ChartError::EphemerisRange};
        details.EquationSeconds = *equation;
    }
    details.DayChangeAtMidnight = input.DayChangeAtMidnight;
    details.Moment = ChartMomentOf(input, laterSeconds + details.EquationSeconds);
    const std::optional<double> sun = SunLongitudeAt(details.Moment.ChartJD);
    if (!sun)
        return {std::nullopt, ChartError::EphemerisRange};
    details.SunLongitude = *sun;

    const std::optional<SolarTerms> terms =
        FindSolarTerms(details.Moment, details.SunLongitude, CorrectionHoursOf(input), options);
    if (!terms)
        return {std::nullopt, ChartError::EphemerisRange};
    details.Terms = *terms;

    const Pillars pillars = BuildPillars(terms->SolarYear, terms->SolarMonth, details.Moment.ChartDate,
                                         details.Moment.ChartHour, input.DayChangeAtMidnight);
    ChartResult &result = details.Result;
    result.HourPillar = pillars.HourPillar;
    result.DayPillar = pillars.DayPillar;
    result.MonthPillar = pillars.MonthPillar;
    result.YearPillar = pillars.YearPillar;
    result.YearSquare = ComputeYearSquare(terms->SquareYear);
    result.MonthSquare = ComputeMonthSquare(terms->YearGroup, terms->SolarMonth);
    return {details, {}};
}
