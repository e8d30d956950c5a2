// SPDX-License-Identifier: AGPL-3.0-or-later
#include "DaysFormat.h"

#include "Json.h"

#include "ChartRequest.h"
#include "Csv.h"
#include "Gregorian.h"

namespace {

std::string HourStarDigits(const AlmanacRow &row)
{
    std::string digits;
    for (const std::int32_t star : row.HourStars)
        digits += char('0' + star);
    return digits;
}

CalendarDate NextDay(const CalendarDate &date)
{
    if (date.Day < DaysInMonth(date.Year, date.Month))
        return {date.Year, date.Month, date.Day + 1};
    return date.Month < 12 ? CalendarDate{date.Year, date.Month + 1, 1} : CalendarDate{date.Year + 1, 1, 1};
}

} // namespace

std::optional<CalendarDate> ParseDayDate(std::string_view text)
{
    const ChartRequest request = ParseRequest(text, "12:00", "0", "000:00E");
    if (!request.Input)
        return std::nullopt;
    return CalendarDate{request.Input->Year, request.Input->Month, request.Input->Day};
}

std::string DaysCsvHeader(bool withChart)
{
    return std::string("date,weekday,stem,branch,animal,day_star,officer,mansion,clash,hour_stars")
        + (withChart ? ",marks" : "");
}

std::string DayCsv(const AlmanacRow &row)
{
    const std::string star = std::to_string(row.Star);
    const std::string hours = HourStarDigits(row);
    const std::string line = CsvRecord(
        {row.Date, row.Weekday, row.Stem, row.Branch, row.Animal, star, row.Officer, row.Mansion, row.Clash, hours});
    return row.Marks ? line + "," + CsvField(MarksText(*row.Marks)) : line;
}

std::string DayJson(const AlmanacRow &row)
{
    Json object = {{"date", row.Date},          {"weekday", row.Weekday}, {"stem", row.Stem},
                   {"branch", row.Branch},      {"animal", row.Animal},   {"dayStar", row.Star},
                   {"officer", row.Officer},    {"mansion", row.Mansion}, {"clash", row.Clash},
                   {"hourStars", row.HourStars}};
    if (row.Marks) {
        Json clashes = Json::array();
        if (row.Marks->ClashWithYear)
            clashes.push_back("year");
        if (row.Marks->ClashWithDay)
            clashes.push_back("day");
        Json stars = Json::array();
        for (const Star star : row.Marks->Stars)
            stars.push_back(StarName(star));
        object["forChart"] = {{"clashes", clashes}, {"stars", stars}};
    }
    return Dumped(object);
}

ChartError WriteDays(const CalendarDate &from, const CalendarDate &to, const std::optional<ChartSigns> &chart,
                     bool json, bool header, std::ostream &out, std::vector<AlmanacRow> *kept)
{
    AlmanacYears years;
    if (header && !json)
        out << DaysCsvHeader(chart.has_value()) << "\n";
    for (CalendarDate date = from; DayCount(date) <= DayCount(to); date = NextDay(date)) {
        const std::optional<DayAlmanac> day = AlmanacOf(date, years);
        if (!day)
            return ChartError::EphemerisRange;
        const AlmanacRow row = RowOf(*day, chart);
        out << (json ? DayJson(row) : DayCsv(row)) << "\n";
        if (kept)
            kept->push_back(row);
    }
    return ChartError::None;
}
