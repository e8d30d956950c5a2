// SPDX-License-Identifier: AGPL-3.0-or-later
#include "AlmanacRow.h"

#include "Gregorian.h"
#include "MomentText.h"

namespace {

std::string ClockText(std::int64_t seconds)
{
    const auto ofDay = static_cast<int>(FloorMod(seconds, 86400));
    return TimeText(ofDay / 3600, ofDay / 60 % 60);
}

} // namespace

AlmanacRow RowOf(const DayAlmanac &day, const std::optional<ChartSigns> &chart)
{
    const Pillar tokens = TokensOf(day.StemBranch);
    AlmanacRow row{DateText(day.Date),
                   WeekdayName(day.Weekday),
                   tokens.Stem,
                   tokens.Branch,
                   BranchName(day.StemBranch.Branch),
                   day.Star,
                   OfficerName(day.Officer),
                   MansionName(day.Mansion),
                   BranchName(day.Clash),
                   {},
                   std::nullopt};
    for (std::size_t i = 0; i < day.Hours.size(); ++i)
        row.HourStars[i] = day.Hours[i].Star;
    if (chart)
        row.Marks = MarksFor(day, *chart);
    return row;
}

std::string MarksText(const PersonMarks &marks)
{
    std::string text;
    for (const std::string &word : MarkWords(marks))
        text += (text.empty() ? "" : "; ") + word;
    return text;
}

std::string HourClockRange(std::int32_t branch, std::int32_t offsetSeconds, std::int32_t longitudeSeconds)
{
    // Local mean time is Universal Time plus the longitude; the clock runs
    // at its offset.
    const std::int64_t start = (2 * std::int64_t(branch) - 1) * 3600 - longitudeSeconds + offsetSeconds;
    return ClockText(start) + "-" + ClockText(start + 7200);
}

std::string PresentText(const ChartSigns &now)
{
    const auto part = [](const char *name, const Sign &sign) {
        const Pillar tokens = TokensOf(sign);
        return std::string(name) + " " + tokens.Stem + " " + tokens.Branch + " " + BranchName(sign.Branch);
    };
    return "Сейчас: " + part("год", now.Year) + ", " + part("месяц", now.Month) + ", " + part("день", now.Day) + ", "
        + part("час", now.Hour);
}
