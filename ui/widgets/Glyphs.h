// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QIcon>

class Canvas;

// Small glyphs of the command buttons, drawn rather than loaded, each with a
// normal and a disabled image.
QIcon CalculateGlyph(); // 16 x 16: a green tick
QIcon CopyGlyph();      // 16 x 16: two overlapping sheets
QIcon CloseGlyph();     // 18 x 18: an open door with an arrow

// The date picker's button images: an enabled and a greyed, disabled state,
// each on a transparent background.

// A 16 x 16 calendar sheet: red band at the top, a row of marks, a figure 1.
void DrawCalendarSheet(Canvas &canvas, bool enabled);
QIcon CalendarSheetGlyph();

// An 18 x 18 red diagonal cross.
void DrawCloseCross(Canvas &canvas, bool enabled);
QIcon CloseCrossGlyph();
