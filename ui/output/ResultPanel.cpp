// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ResultPanel.h"

#include "ImageArea.h"
#include "ResultDrawing.h"

namespace {

ImageArea *MakeArea(QWidget *parent, int number, QPoint place, int width, int height)
{
    auto *area = new ImageArea(width, height, parent);
    area->setObjectName(QStringLiteral("Image%1").arg(number));
    area->move(place);
    return area;
}

} // namespace

void ResultPanel::create(QWidget *parent, int firstNumber, QPoint table, QPoint yearSquare, QPoint monthSquare)
{
    m_table = MakeArea(parent, firstNumber, table, TableWidth, Side);
    m_yearSquare = MakeArea(parent, firstNumber + 1, yearSquare, Side, Side);
    m_monthSquare = MakeArea(parent, firstNumber + 2, monthSquare, Side, Side);
}

void ResultPanel::drawEmpty(unsigned tableBackground, unsigned squareBackground)
{
    m_table->draw([&](Canvas &c) { DrawEmptyTable(c, TableWidth, Side, 4, tableBackground); });
    for (ImageArea *square : {m_yearSquare, m_monthSquare})
        square->draw([&](Canvas &c) { DrawEmptyTable(c, Side, Side, 3, squareBackground); });
}

void ResultPanel::drawChart(const ChartResult &result)
{
    m_table->draw([&](Canvas &c) { DrawPillarTokens(c, TableWidth, Side, result); });
    const std::pair<ImageArea *, const Square *> squares[] = {{m_yearSquare, &result.YearSquare},
                                                              {m_monthSquare, &result.MonthSquare}};
    for (const auto &[area, square] : squares)
        if ((*square)[0][0] != 0)
            area->draw([&](Canvas &c) { DrawSquareNumbers(c, Side, Side, *square); });
}
