// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "Gua.h"
#include "LuckPillars.h"

// The luck pillars and the Gua number in plain Russian, the same in the
// window's dialog and in the tool's text output. UTF-8.

// "3 г. 4 мес. 10 дн. 5 ч.", leaving out nothing: "0 г. 0 мес. 2 дн. 0 ч.".
std::string LifeSpanText(const LifeSpan &span);

// One sentence with the direction and the start: "Мужской гороскоп: такты
// идут вперёд; первый начинается через 3 г. 4 мес. 10 дн. 5 ч. после
// рождения, 25.11.1988 в 15:00."
std::string LuckSentence(const LuckChart &luck, Sex sex);

// A compass code of the Gua table in Russian letters: "ЮВ" for "SE".
std::string RussianPoint(std::string_view point);

// "Гуа 6, западная группа".
std::string GuaTitle(const Gua &gua);

// "Гуа 6, западная группа. Благоприятные направления: З, СВ, ЮЗ, СЗ;
// неблагоприятные: ЮВ, В, С, Ю." (the compass points in Russian letters:
// С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ).
std::string GuaSentence(const Gua &gua);

// The ages and the years a luck pillar covers: "2-11", "1988-1997".
std::string AgesText(const LuckPillar &pillar);
std::string YearsText(const LuckPillar &pillar);

// Under a blank line: the sentence, the table of luck pillars (ages, years,
// stem, branch) and the Gua sentence, each line ending in "\n".
std::string FormatLuckText(const LuckChart &luck, const Gua &gua, Sex sex);
