// SPDX-License-Identifier: AGPL-3.0-or-later
#include "PrintLayout.h"

#include <algorithm>

#include "PillarOrder.h"

namespace {

constexpr unsigned PageWhite = 16777215;
constexpr unsigned PageBlack = 0;
constexpr int PageLineWidth = 6;

// One truncation toward zero of a position computed in floating point.
int Pos(double value) { return static_cast<int>(value); }

int Pos(qint64 value) { return static_cast<int>(value); }

void SetPageTools(Canvas &canvas)
{
    canvas.setBrushColor(ColorFromValue(PageWhite));
    canvas.setPenColor(ColorFromValue(PageBlack));
    canvas.setPenWidth(PageLineWidth);
}

void SetFontStyle(Canvas &canvas, bool bold, bool italic)
{
    canvas.setFontBold(bold);
    canvas.setFontItalic(italic);
}

QString TokenText(const Token &token) { return QString::fromStdString(token).left(3); }

// Column k of the pillar table: one truncation of the whole sum.
int ColumnX(const PrintLayout &l, int k) { return Pos(l.left + l.tableWidth / 24.0 + k * l.tableWidth / 4.0); }

// The heading row has no line above it and no outer edges; the two lower
// rows are closed and their lines run on under the label column.
void DrawTableLines(Canvas &canvas, const PrintLayout &l)
{
    const double W = l.tableWidth;
    const double H = l.tableHeight;
    const int left = Pos(l.left);
    const int right = Pos(l.left + l.tableWidth);
    const int labelsRight = Pos(l.left + 5 * W / 4);
    const int headingBottom = Pos(l.top + H / 3);
    const int bottom = Pos(l.top + l.tableHeight);
    canvas.line(left, headingBottom, right, headingBottom);
    canvas.line(left, Pos(l.top + 2 * H / 3), labelsRight, Pos(l.top + 2 * H / 3));
    canvas.line(left, bottom, labelsRight, bottom);
    canvas.line(left, headingBottom, left, bottom);
    for (int k = 1; k <= 3; ++k)
        canvas.line(Pos(l.left + k * W / 4), Pos(l.top), Pos(l.left + k * W / 4), bottom);
    canvas.line(right, headingBottom, right, bottom);
}

void DrawTableTexts(Canvas &canvas, const PrintLayout &l, const PrintTexts &texts, const ChartResult &result)
{
    const double H = l.tableHeight;
    const int headingY = Pos(l.top + H / 20);
    const int stemY = Pos(l.top + H / 20 + H / 3);
    const int branchY = Pos(l.top + H / 20 + 2 * H / 3);
    const int labelX = Pos(l.left / 2.0 + l.left + l.tableWidth);
    SetFontStyle(canvas, false, false);
    canvas.setFontPointSize(12);
    for (int k = 0; k < 4; ++k)
        canvas.textOut(ColumnX(l, k), headingY, QString::fromUtf8(PillarHeadings[k]));
    canvas.textOut(labelX, stemY, QStringLiteral("небесный ствол"));
    canvas.textOut(labelX, branchY, QStringLiteral("земная ветвь"));
    SetFontStyle(canvas, true, true);
    canvas.setFontPointSize(14);
    canvas.textOut(labelX, headingY, PrintDateLine(texts));
    SetFontStyle(canvas, true, false);
    canvas.setFontPointSize(12);
    const auto pillars = PillarsInDisplayOrder(result);
    for (int k = 0; k < 4; ++k) {
        canvas.textOut(ColumnX(l, k), stemY, TokenText(pillars[k]->Stem));
        canvas.textOut(ColumnX(l, k), branchY, TokenText(pillars[k]->Branch));
    }
}

// A square closed on all four sides, then its nine numbers column by column.
void DrawPrintSquare(Canvas &canvas, const PrintLayout &l, qint64 squareLeft, const Square &square)
{
    const double W = l.squareWidth;
    const double H = l.tableHeight;
    const double top = l.squareTop;
    const int left = Pos(squareLeft);
    const int bottom = Pos(l.squareTop + l.tableHeight);
    const int ys[4] = {Pos(l.squareTop), Pos(top + H / 3), Pos(top + 2 * H / 3), bottom};
    for (int y : ys)
        canvas.line(left, y, Pos(squareLeft + l.squareWidth), y);
    const int xs[4] = {left, Pos(squareLeft + W / 3), Pos(squareLeft + 2 * W / 3), Pos(squareLeft + l.squareWidth)};
    for (int x : xs)
        canvas.line(x, Pos(l.squareTop), x, bottom);
    SetFontStyle(canvas, false, false);
    canvas.setFontPointSize(12);
    canvas.setFontBold(true);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            canvas.textOut(Pos(squareLeft + W / 10 + c * W / 3), Pos(top + H / 20 + r * H / 3),
                           QString::number(square[r][c]));
}

} // namespace

PrintLayout ComputePrintLayout(qint64 pageWidth, qint64 pageHeight)
{
    PrintLayout l;
    l.ux = static_cast<qint64>(pageWidth / 500.0);
    l.uy = static_cast<qint64>(pageHeight / 1500.0);
    l.tableWidth = 300 * l.ux;
    l.tableHeight = 150 * l.uy;
    l.left = 50 * l.uy; // the vertical unit, as the page has always been laid out
    const double gapScale = std::max(1.0, l.uy / 4.0);
    l.top = static_cast<qint64>(200 * gapScale);
    l.squareWidth = 80 * l.ux;
    l.squareTop = l.tableHeight + static_cast<qint64>(250 * gapScale) + l.top;
    l.monthLeft = l.left + 150 * l.ux;
    l.captionTop = l.top + l.tableHeight + static_cast<qint64>(100 * gapScale);
    return l;
}

QString PrintDateLine(const PrintTexts &texts)
{
    return texts.day.left(4) + u'.' + texts.month.left(4) + u'.' + texts.year.left(4) + QStringLiteral("    ")
        + texts.hour.left(4) + u':' + texts.minute.left(4);
}

void DrawPrintPage(Canvas &canvas, qint64 pageWidth, qint64 pageHeight, const PrintTexts &texts,
                   const ChartResult &result)
{
    const PrintLayout l = ComputePrintLayout(pageWidth, pageHeight);
    SetPageTools(canvas);
    DrawTableLines(canvas, l);
    DrawTableTexts(canvas, l, texts, result);
    const int captionY = Pos(l.captionTop);
    SetFontStyle(canvas, false, false);
    canvas.textOut(Pos(l.left), captionY, QStringLiteral("Квадрат Года"));
    SetPageTools(canvas);
    DrawPrintSquare(canvas, l, l.left, result.YearSquare);
    SetFontStyle(canvas, false, false);
    canvas.textOut(Pos(l.monthLeft), captionY, QStringLiteral("Квадрат Месяца"));
    SetPageTools(canvas);
    DrawPrintSquare(canvas, l, l.monthLeft, result.MonthSquare);
    if (!texts.rules.isEmpty()) {
        SetFontStyle(canvas, false, false);
        const qint64 gap = l.captionTop - l.top - l.tableHeight;
        canvas.textOut(Pos(l.left), Pos(l.squareTop + l.tableHeight + gap), texts.rules);
    }
}
