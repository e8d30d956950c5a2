// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "Canvas.h"
#include "ChartTypes.h"

// The result tables, drawn onto any canvas of width W and height H: the
// window's images, the copy panel's, and the tests' recording canvases.
// Every position is computed in floating point and truncated once.

namespace TableColors {
inline constexpr unsigned PillarBackground = 12189695; // pale yellow
inline constexpr unsigned SquareBackground = 16777215; // white
inline constexpr unsigned CopyPanel = 14868431;        // pale grey-blue
inline constexpr unsigned Frame = 16711680;            // blue
inline constexpr unsigned Lines = 0;                   // black
inline constexpr unsigned Headings = 128;              // maroon
} // namespace TableColors

// Background with a blue frame, black grid lines for three rows and the given
// columns (4 for the pillar table, 3 for a square), bold font, and for four
// columns the maroon headings "Час", "День", "Месяц", "Год".
void DrawEmptyTable(Canvas &canvas, int width, int height, int columns, unsigned background);

// The eight tokens in black bold: hour stem, hour branch, day stem, ... year branch.
void DrawPillarTokens(Canvas &canvas, int width, int height, const ChartResult &result);

// The nine numbers column by column, in the canvas's current font.
void DrawSquareNumbers(Canvas &canvas, int width, int height, const Square &square);
