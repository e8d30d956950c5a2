// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SharedChart.h"

#include "MomentText.h"
#include "PlaceLine.h"
#include "SolarTime.h"

namespace {

QString Digits(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); }

} // namespace

PrintTexts SharedPrintTexts(const ChartInput &input)
{
    return {Digits(input.Day, 2), Digits(input.Month, 2), Digits(input.Year, 4), Digits(input.Hour, 2),
            Digits(input.Minute, 2)};
}

QString SharedPlaceLine(const SharedChart &chart)
{
    const std::string rules = RulesText(chart.input);
    const std::string place = PlaceLineOf(chart.place, chart.input);
    return QString::fromStdString(rules.empty() ? place : place + "; " + rules);
}

QString SharedMoment(const ChartInput &input) { return QString::fromStdString(MomentText(input)); }

QString DefaultChartFileName(const ChartInput &input)
{
    const PrintTexts t = SharedPrintTexts(input);
    return QStringLiteral("velmora-%1-%2-%3-%4%5.pdf").arg(t.year, t.month, t.day, t.hour, t.minute);
}
