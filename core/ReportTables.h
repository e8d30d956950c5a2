// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "AlmanacRow.h"
#include "Gua.h"
#include "LuckPillars.h"
#include "Reading.h"
#include "TextTable.h"

// The tables of the reading, the luck pillars and the days, the same in the
// dialogs and in the saved report.

// Columns Час, День, Месяц, Год; rows Ствол, Божество, Ветвь, Скрытые
// стволы, Фаза Ци, Мелодия, Пустота. A stem or branch is its token and its
// name ("мет Инь Металл"), a hidden stem that and its god after a dash.
TextTable ReadingTable(const ChartReading &reading);

// Columns Возраст, Годы, Ствол, Ветвь; the pillar of index present (if any)
// marked, " (сейчас)" after its years.
TextTable LuckTable(const LuckChart &luck, std::optional<std::size_t> present);

// "Годы такта ДЕР ВОД (1988-1997)": the title of its years' table.
std::string LuckYearsTitle(const LuckPillar &pillar);

// Columns Год, Ствол, Ветвь: the ten years of a luck pillar, the year
// presentYear marked likewise.
TextTable LuckYearsTable(const LuckPillar &pillar, std::int32_t presentYear);

// Two headed rows, "Благоприятные" and "Неблагоприятные", of four compass
// points in Russian letters each, in the Gua's order; no column headings.
TextTable GuaTable(const Gua &gua);

// Columns Дата, Дн, Столп дня, Звезда, Офицер, Созвездие, Столкн., Для
// карты (the marks, empty without a chart).
TextTable DaysTable(const std::vector<AlmanacRow> &rows);
