// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ChartSpan.h"
#include "MomentText.h"

// The words for the changes of a chart span, shared by the window and the tool.

// The JSON names of the changed parts in a fixed order: "hour", "day",
// "month", "year", "yearSquare", "monthSquare".
std::vector<std::string> ChangeKeys(unsigned changes);

// The changed parts in Russian, comma-separated: "час, день"; empty for none.
std::string ChangeWords(unsigned changes);

// The note above a span cut at the edge of the computable dates, naming
// the edge the span reached: the first range's start at the first date
// ("…: с 01.01.0001 00:00:00."), else the last range's end, where the
// built-in ephemeris stopped giving charts ("…: до 04.02.3003 21:45:01.").
// reading writes a second of the span as the clock there reads it.
std::string SpanCutNote(const ChartInput &input, const ChartSpan &span,
                        const std::function<std::string(std::int64_t seconds)> &reading);

// The nearest change, named by its largest part (year, month, day, hour,
// then the squares), with whole minutes truncated: "до смены часа 6 мин",
// "после смены месяца 3 мин", "до смены дня менее 1 мин"; capital for a
// sentence of its own ("До смены часа 4 мин").
std::string NearestChangeText(const NearestChange &change, bool capital = false);

// Whether the change is near enough to warn about: 15 minutes or less away.
bool IsNearChange(const NearestChange &change);
