#pragma once

#include <QIcon>

// Small glyphs of the command buttons, drawn rather than loaded, each with a
// normal and a disabled image.
QIcon CalculateGlyph(); // 16 x 16: a green tick
QIcon CopyGlyph();      // 16 x 16: two overlapping sheets
QIcon CloseGlyph();     // 18 x 18: an open door with an arrow
