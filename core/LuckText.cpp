// SPDX-License-Identifier: AGPL-3.0-or-later
#include "LuckText.h"

#include "MomentText.h"

#include <string_view>
#include <utility>

#include <cstdio>

namespace {

std::string Joined(const std::array<const char *, 4> &points)
{
    std::string text;
    for (const char *point : points)
        text += (text.empty() ? "" : ", ") + RussianPoint(point);
    return text;
}

} // namespace

std::string RussianPoint(std::string_view point)
{
    static constexpr std::pair<std::string_view, const char *> Points[] = {
        {"N", "С"}, {"NE", "СВ"}, {"E", "В"}, {"SE", "ЮВ"}, {"S", "Ю"}, {"SW", "ЮЗ"}, {"W", "З"}, {"NW", "СЗ"},
    };
    for (const auto &[code, russian] : Points)
        if (code == point)
            return russian;
    return std::string(point);
}

std::string LifeSpanText(const LifeSpan &span)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d г. %d мес. %d дн. %d ч.", span.Years, span.Months, span.Days, span.Hours);
    return text;
}

std::string LuckSentence(const LuckChart &luck, Sex sex)
{
    return std::string(sex == Sex::Male ? "Мужской" : "Женский") + " гороскоп: такты идут "
        + (luck.Forward ? "вперёд" : "назад") + "; первый начинается через " + LifeSpanText(luck.Start)
        + " после рождения, " + DateText(luck.StartMoment.Date) + " в "
        + TimeText(luck.StartMoment.Hour, luck.StartMoment.Minute) + ".";
}

std::string GuaTitle(const Gua &gua)
{
    return "Гуа " + std::to_string(gua.Number) + (gua.East ? ", восточная группа" : ", западная группа");
}

std::string GuaSentence(const Gua &gua)
{
    return GuaTitle(gua) + ". Благоприятные направления: " + Joined(gua.Favourable)
        + "; неблагоприятные: " + Joined(gua.Unfavourable) + ".";
}

std::string AgesText(const LuckPillar &pillar)
{
    return std::to_string(pillar.FromAge) + "-" + std::to_string(pillar.FromAge + 9);
}

std::string YearsText(const LuckPillar &pillar)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%04d", pillar.FromYear, pillar.FromYear + 9);
    return text;
}

std::string FormatLuckText(const LuckChart &luck, const Gua &gua, Sex sex)
{
    std::string text = "\n" + LuckSentence(luck, sex) + "\nВозраст  Годы       Ствол  Ветвь\n";
    for (const LuckPillar &p : luck.Pillars) {
        char row[96];
        std::snprintf(row, sizeof row, "%-8s %s  %s    %s\n", AgesText(p).c_str(), YearsText(p).c_str(),
                      p.Luck.Stem.c_str(), p.Luck.Branch.c_str());
        text += row;
    }
    return text + GuaSentence(gua) + "\n";
}
