// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "Canvas.h"
#include "ChartTypes.h"

#include <QString>

// The printed page: the pillar table with its label column and the entered
// date and time, and below it the year and month squares with captions, all
// scaled to the page. Positions are printer device pixels, each computed in
// floating point and truncated toward zero once.

// The date and time field texts as they stand when printing; each is cut to
// its first 4 characters on the page.
struct PrintTexts {
    QString day, month, year, hour, minute;
    QString rules = {}; // the chart's rules when not the default, printed under the squares
};

// Layout values of one page of width PW and height PH (device pixels). Held
// wide, so no product wraps around for any page a printer reports.
struct PrintLayout {
    qint64 ux = 0;          // horizontal unit, PW / 500
    qint64 uy = 0;          // vertical unit, PH / 1500; 0 on pages under 1500 pixels high
    qint64 tableWidth = 0;  // 300 ux
    qint64 tableHeight = 0; // 150 uy, also the height of each square
    qint64 left = 0;        // 50 uy: left edge of the table and the year square
    qint64 top = 200;       // top edge of the table
    qint64 squareWidth = 0; // 80 ux
    qint64 squareTop = 0;   // tableHeight + 250 + top
    qint64 monthLeft = 0;   // left + 150 ux: left edge of the month square
    qint64 captionTop = 0;  // top + tableHeight + 100: the two square captions
};

// The gaps 200, 250 and 100 above are those of a page whose vertical unit is
// 4 (A4 at 600 dpi) or less. On finer pages they grow with the unit, uy / 4
// times, as the 12-point captions grow with the resolution: kept at 100
// pixels, a caption would reach into its square from about 1200 dpi on.

PrintLayout ComputePrintLayout(qint64 pageWidth, qint64 pageHeight);

// "day.month.year    hour:minute" from the texts cut to 4 characters.
QString PrintDateLine(const PrintTexts &texts);

// Draws the whole page: white brush, black pen of width 6, fonts of 12 and 14
// points. Squares print every cell, 0 included; empty tokens print nothing.
void DrawPrintPage(Canvas &canvas, qint64 pageWidth, qint64 pageHeight, const PrintTexts &texts,
                   const ChartResult &result);
