// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MomentText.h"
#include "LuckFormat.h"

#include <cstdio>

#include "ChartFormat.h"
#include "LuckText.h"

namespace {

std::string JsonPoints(const std::array<const char *, 4> &points)
{
    std::string out = "[";
    for (const char *point : points)
        out += (out.size() > 1 ? "," : "") + JsonString(point);
    return out + "]";
}

std::string JsonYears(const LuckPillar &pillar)
{
    std::string out = "[";
    for (const LuckYear &year : pillar.Years)
        out += (out.size() > 1 ? "," : "") + std::string("{\"year\":") + std::to_string(year.Year) + ",\"stem\":"
            + JsonString(year.YearPillar.Stem) + ",\"branch\":" + JsonString(year.YearPillar.Branch) + "}";
    return out + "]";
}

std::string JsonPillars(const LuckChart &luck)
{
    std::string out = "[";
    for (const LuckPillar &p : luck.Pillars)
        out += (out.size() > 1 ? "," : "") + std::string("{\"stem\":") + JsonString(p.Luck.Stem)
            + ",\"branch\":" + JsonString(p.Luck.Branch) + ",\"fromAge\":" + std::to_string(p.FromAge)
            + ",\"fromYear\":" + std::to_string(p.FromYear) + ",\"years\":" + JsonYears(p) + "}";
    return out + "]";
}

} // namespace

std::optional<Sex> ParseSex(std::string_view text)
{
    if (text == "male" || text == "м")
        return Sex::Male;
    if (text == "female" || text == "ж")
        return Sex::Female;
    return std::nullopt;
}

std::string FormatLuckJson(const LuckChart &luck, const Gua &gua)
{
    const LifeSpan &s = luck.Start;
    return std::string("{\"direction\":") + (luck.Forward ? "\"forward\"" : "\"backward\"")
        + ",\"start\":{\"years\":" + std::to_string(s.Years) + ",\"months\":" + std::to_string(s.Months)
        + ",\"days\":" + std::to_string(s.Days) + ",\"hours\":" + std::to_string(s.Hours)
        + "},\"startMoment\":" + JsonString(MomentText(luck.StartMoment)) + ",\"pillars\":" + JsonPillars(luck)
        + ",\"gua\":{\"number\":" + std::to_string(gua.Number) + ",\"group\":" + (gua.East ? "\"east\"" : "\"west\"")
        + ",\"favourable\":" + JsonPoints(gua.Favourable) + ",\"unfavourable\":" + JsonPoints(gua.Unfavourable) + "}}";
}

LuckOutput LuckOutputOf(const ChartInput &input, const ChartDetails &chart, Sex sex, const SolarTermOptions &options)
{
    const LuckOutcome outcome = ComputeLuck(input, chart, sex, options);
    if (!outcome.Luck)
        return {outcome.Error};
    const LuckChart *luck = &*outcome.Luck;
    const Gua gua = GuaOf(chart.Terms.SolarYear, sex);
    return {ChartError::None, FormatLuckText(*luck, gua, sex), FormatLuckJson(*luck, gua), {*luck, gua, sex}};
}
