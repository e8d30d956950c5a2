// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "Reading.h"

// The reading of a chart in plain Russian, the same in the window's copied
// text and in the tool's text output. UTF-8.

// "Час", "День", "Месяц", "Год".
std::string PillarWord(PillarName pillar);

// Where a star is counted from: "от ствола дня", "от ствола года",
// "от ветви дня", "от ветви года", "от ветви месяца".
std::string SourceWords(StarSource from);
// Its name in the tool's JSON: "dayStem", "yearStem", "dayBranch",
// "yearBranch", "monthBranch".
std::string SourceKey(StarSource from);

// A stem with its token: "мет Инь Металл"; a branch: "ого Змея".
std::string StemText(std::int32_t stem);
std::string BranchText(std::int32_t branch);

// The lines, without line ends:
//   Разбор карты
//   Господин дня: Инь Дерево
//   Час: мет Инь Металл, Семь убийств; ого Змея; скрытые: ОГО Ян Огонь (Ранящий чиновник), ...; Рождение; Металл белого воска
//   День, Месяц, Год likewise (the day's stem without a god), "; пустота" after a branch in the day's void
//   Пустота дня: Крыса, Бык; года: Обезьяна, Петух
//   Связи: Столкновение (День, Месяц); ...        or "Связи: нет"
//   Звёзды: Академик от ствола дня (Час); ...     or "Звёзды: нет"
//   Стихии: Дерево 2, Огонь 1, ...; в скрытых: Дерево 1, ...
std::vector<std::string> ReadingLines(const ChartReading &reading);

// Those lines, each ending in "\n": the text under a chart.
std::string FormatReadingText(const ChartReading &reading);

// The last four of those lines: the voids, the relations, the stars and the
// elements.
std::vector<std::string> ReadingSummaryLines(const ChartReading &reading);
