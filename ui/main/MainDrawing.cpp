// SPDX-License-Identifier: AGPL-3.0-or-later
// The result areas of the window and of the copy panel: empty tables, the
// chart on screen and its copy.

#include "MainUnit.h"

#include "ResultDrawing.h"
#include "Squares.h"

void TMainForm::DrawTab() { m_screenResult.drawEmpty(TableColors::PillarBackground, TableColors::SquareBackground); }

void TMainForm::DrawCopyTab() { m_copyResult.drawEmpty(TableColors::CopyPanel, TableColors::CopyPanel); }

void TMainForm::DrawResult()
{
    m_result.MonthSquare = ComputeMonthSquare(m_yearGroup, m_solarMonth);
    m_screenResult.drawChart(m_result);
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
    m_copyResult.drawEmpty(TableColors::PillarBackground, TableColors::SquareBackground);
    m_copyResult.drawChart(m_result);
}
