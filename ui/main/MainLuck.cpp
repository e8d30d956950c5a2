// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's luck pillars: "Такты удачи…" (Ctrl+L) in the menu "Карта"
// opens the dialog for the chart last calculated. The sex chosen there is
// remembered; the chart's fields and result never change.

#include "MainUnit.h"

#include <QMenu>

#include "LuckUnit.h"
#include "MessageBoxes.h"
#include "ChartErrorText.h"
#include "SettingsStore.h"

namespace {

// The settings value of the sex last chosen: "male" or "female".
constexpr char SexValue[] = "sex";

} // namespace

void TMainForm::addLuckCommand(QMenu *menu)
{
    QAction *item = menu->addAction(QStringLiteral("Такты удачи…"), QKeySequence(Qt::CTRL | Qt::Key_L), this,
                                    bound(&TMainForm::NLuckClick));
    item->setObjectName(QStringLiteral("NLuck"));
    addChartTool(item);
}

void TMainForm::NLuckClick()
{
    if (!m_hasResult)
        return;
    // Remembering the sex is a convenience: a store that cannot be read
    // costs only that. It is written at close with the other settings.
    Sex sex = m_chosenSex.value_or(Sex::Male);
    if (!m_chosenSex) {
        try {
            if (m_settings.read(QString::fromLatin1(SexValue)) == QStringLiteral("female"))
                sex = Sex::Female;
        } catch (const VelmoraError &) {
        }
    }
    // An opened client's own sex comes before the one last chosen.
    sex = m_clientSex.value_or(sex);
    if (!m_luckDialog) {
        m_luckDialog = new TLuckDialog(this);
        m_luckDialog->onSexChanged([this](Sex chosen) { m_chosenSex = chosen; });
    }
    if (const ChartError error = m_luckDialog->setChart(m_chartInput, sex); error != ChartError::None) {
        ShowMessage(this, ChartErrorMessage(error));
        return;
    }
    m_luckDialog->exec();
    m_report.Luck = m_luckDialog->report();
}

// The sex last chosen, stored at close with the other settings.
std::vector<std::pair<QString, QString>> TMainForm::sexToStore() const
{
    if (!m_chosenSex)
        return {};
    return {
        {QString::fromLatin1(SexValue), *m_chosenSex == Sex::Male ? QStringLiteral("male") : QStringLiteral("female")}};
}
