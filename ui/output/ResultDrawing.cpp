// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ResultDrawing.h"

#include "PillarOrder.h"

namespace {

// Column k of the pillar table: W/24 + kW/4, one truncation of the whole sum.
int PillarColumnX(int width, int k) { return static_cast<int>(width / 24.0 + k * width / 4.0); }

} // namespace

void DrawEmptyTable(Canvas &canvas, int width, int height, int columns, unsigned background)
{
    const double W = width;
    const double H = height;
    canvas.setBrushColor(ColorFromValue(background));
    canvas.setPenColor(ColorFromValue(TableColors::Frame));
    canvas.setPenWidth(1);
    canvas.rectangle(0, 0, width, height);
    canvas.setPenColor(ColorFromValue(TableColors::Lines));
    canvas.setPenWidth(1);
    for (int row = 1; row <= 2; ++row) {
        const int y = static_cast<int>(row * H / 3);
        canvas.line(0, y, width, y);
    }
    for (int k = 1; k < columns; ++k) {
        const int x = static_cast<int>(k * W / columns);
        canvas.line(x, 0, x, height);
    }
    canvas.setFontBold(true);
    if (columns != 4)
        return;
    canvas.setFontColor(ColorFromValue(TableColors::Headings));
    for (int k = 0; k < 4; ++k)
        canvas.textOut(PillarColumnX(width, k), static_cast<int>(H / 20), QString::fromUtf8(PillarHeadings[k]));
}

void DrawPillarTokens(Canvas &canvas, int width, int height, const ChartResult &result)
{
    const double H = height;
    canvas.setFontBold(true);
    canvas.setFontColor(ColorFromValue(TableColors::Lines));
    const int stemY = static_cast<int>(H / 20 + H / 3);
    const int branchY = static_cast<int>(H / 20 + 2 * H / 3);
    const auto pillars = PillarsInDisplayOrder(result);
    for (int k = 0; k < 4; ++k) {
        canvas.textOut(PillarColumnX(width, k), stemY, QString::fromStdString(pillars[k]->Stem));
        canvas.textOut(PillarColumnX(width, k), branchY, QString::fromStdString(pillars[k]->Branch));
    }
}

void DrawSquareNumbers(Canvas &canvas, int width, int height, const Square &square)
{
    const double W = width;
    const double H = height;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            canvas.textOut(static_cast<int>(W / 8 + c * W / 3), static_cast<int>(H / 10 + r * H / 3),
                           QString::number(square[r][c]));
}
