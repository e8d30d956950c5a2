// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MomentText.h"
#include "LuckFormat.h"

#include <cstdio>

#include "ChartFormat.h"
#include "LuckText.h"

namespace {

Json JsonPillars(const LuckChart &luck)
{
    Json pillars = Json::array();
    for (const LuckPillar &p : luck.Pillars) {
        Json years = Json::array();
        for (const LuckYear &year : p.Years)
            years.push_back({{"year", year.Year}, {"stem", year.YearPillar.Stem}, {"branch", year.YearPillar.Branch}});
        pillars.push_back({{"stem", p.Luck.Stem},
                           {"branch", p.Luck.Branch},
                           {"fromAge", p.FromAge},
                           {"fromYear", p.FromYear},
                           {"years", std::move(years)}});
    }
    return pillars;
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

Json LuckJson(const LuckChart &luck, const Gua &gua)
{
    const LifeSpan &s = luck.Start;
    return {{"direction", luck.Forward ? "forward" : "backward"},
            {"start", {{"years", s.Years}, {"months", s.Months}, {"days", s.Days}, {"hours", s.Hours}}},
            {"startMoment", MomentText(luck.StartMoment)},
            {"pillars", JsonPillars(luck)},
            {"gua",
             {{"number", gua.Number},
              {"group", gua.East ? "east" : "west"},
              {"favourable", gua.Favourable},
              {"unfavourable", gua.Unfavourable}}}};
}

LuckOutput LuckOutputOf(const ChartInput &input, const ChartDetails &chart, Sex sex, const SolarTermOptions &options)
{
    const LuckOutcome outcome = ComputeLuck(input, chart, sex, options);
    if (!outcome.Luck)
        return {outcome.Error};
    const LuckChart *luck = &*outcome.Luck;
    const Gua gua = GuaOf(chart.Terms.SolarYear, sex);
    return {ChartError::None, FormatLuckText(*luck, gua, sex), LuckJson(*luck, gua), {*luck, gua, sex}};
}
