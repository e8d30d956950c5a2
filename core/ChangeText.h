// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

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

// The note above a span cut at the edge of the computable dates.
std::string SpanCutNote();

// The nearest change, named by its largest part (year, month, day, hour,
// then the squares), with whole minutes truncated: "до смены часа 6 мин",
// "после смены месяца 3 мин", "до смены дня менее 1 мин"; capital for a
// sentence of its own ("До смены часа 4 мин").
std::string NearestChangeText(const NearestChange &change, bool capital = false);

// Whether the change is near enough to warn about: 15 minutes or less away.
bool IsNearChange(const NearestChange &change);
