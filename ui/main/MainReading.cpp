// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's chart reading: "Разбор карты…" (Ctrl+I) in the menu
// "Карта" opens the dialog for the chart on display. Once opened, the
// reading goes with the chart into the copied text and the saved PDF.

#include "MainUnit.h"

#include <QMenu>

#include "ReadingUnit.h"

void TMainForm::addReadingCommand(QMenu *menu)
{
    QAction *item = menu->addAction(QStringLiteral("Разбор карты…"), QKeySequence(Qt::CTRL | Qt::Key_I), this,
                                    bound(&TMainForm::NReadingClick));
    item->setObjectName(QStringLiteral("NReading"));
    addChartTool(item);
}

void TMainForm::NReadingClick()
{
    if (!m_hasResult)
        return;
    if (!m_readingDialog)
        m_readingDialog = new TReadingDialog(this);
    m_readingDialog->setChart(m_chartSigns);
    m_readingDialog->exec();
    m_report.Reading = m_readingDialog->reading();
}
