// The result areas of the window and of the copy panel: empty tables, the
// chart on screen and its copy.

#include "MainUnit.h"

#include "ImageArea.h"
#include "ResultDrawing.h"
#include "Squares.h"

namespace {

void DrawTables(ImageArea *pillars, ImageArea *year, ImageArea *month, unsigned pillarBackground,
                unsigned squareBackground)
{
    pillars->draw([&](Canvas &c) { DrawEmptyTable(c, 230, 81, 4, pillarBackground); });
    year->draw([&](Canvas &c) { DrawEmptyTable(c, 81, 81, 3, squareBackground); });
    month->draw([&](Canvas &c) { DrawEmptyTable(c, 81, 81, 3, squareBackground); });
}

} // namespace

void TMainForm::DrawTab()
{
    DrawTables(m_images[0], m_images[1], m_images[2], TableColors::PillarBackground,
               TableColors::SquareBackground);
}

void TMainForm::DrawCopyTab()
{
    DrawTables(m_images[3], m_images[4], m_images[5], TableColors::CopyPanel, TableColors::CopyPanel);
}

void TMainForm::DrawResult()
{
    m_images[0]->draw([&](Canvas &c) { DrawPillarTokens(c, 230, 81, m_result); });
    m_images[1]->draw([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, m_result.YearSquare); });
    m_result.MonthSquare = ComputeMonthSquare(m_yearGroup, m_solarMonth);
    m_images[2]->draw([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, m_result.MonthSquare); });
}

// A moment outside the ephemeris leaves the chart on screen as it was.
void TMainForm::drawPreviousResult()
{
    if (m_hasResult)
        DrawResult();
}

// The copy panel on the pale background of a result, with the last chart.
void TMainForm::drawCopyOfResult()
{
    DrawTables(m_images[3], m_images[4], m_images[5], TableColors::PillarBackground,
               TableColors::SquareBackground);
    m_images[3]->draw([&](Canvas &c) { DrawPillarTokens(c, 230, 81, m_result); });
    if (m_result.YearSquare[0][0] != 0)
        m_images[4]->draw([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, m_result.YearSquare); });
    if (m_result.MonthSquare[0][0] != 0)
        m_images[5]->draw([&](Canvas &c) { DrawSquareNumbers(c, 81, 81, m_result.MonthSquare); });
}
