// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QPoint>

#include "ChartTypes.h"

class ImageArea;
class QWidget;

// The three image areas of one chart, on the window or in the copy panel:
// the pillar table (230 x 81 pixels), the year square and the month square
// (81 x 81 each), and their drawing.
class ResultPanel
{
public:
    static constexpr int TableWidth = 230;
    static constexpr int Side = 81; // height of the table, width and height of a square

    // Areas named "Image<firstNumber>" and the next two numbers, at their
    // places within parent.
    void create(QWidget *parent, int firstNumber, QPoint table, QPoint yearSquare, QPoint monthSquare);

    // Empty grids on the given backgrounds (colour values).
    void drawEmpty(unsigned tableBackground, unsigned squareBackground);
    // The eight tokens, and each square that has been built (not all zeros).
    void drawChart(const ChartResult &result);

private:
    ImageArea *m_table = nullptr;
    ImageArea *m_yearSquare = nullptr;
    ImageArea *m_monthSquare = nullptr;
};
