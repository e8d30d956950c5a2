// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's days: "Календарь дней…" (Ctrl+D) in the menu "Карта"
// opens the almanac at the present month for the window's place (or its
// correction and longitude), with the marks for the chart on display. A
// chosen day goes into the date fields; nothing is calculated.

#include "MainUnit.h"

#include <QDate>
#include <QMenu>

#include "Chart.h"
#include "DaysUnit.h"
#include "EditField.h"
#include "FieldText.h"
#include "PresentClock.h"
#include "TimeScale.h"

void TMainForm::addDaysCommand(QMenu *menu)
{
    QAction *item = menu->addAction(QStringLiteral("Календарь дней…"), QKeySequence(Qt::CTRL | Qt::Key_D), this,
                                    bound(&TMainForm::NDaysClick));
    item->setObjectName(QStringLiteral("NDays"));
    addAction(item);
}

// The present minute on the window's clock: the place's, else one running
// the correction in the field ahead of Universal Time; the longitude of the
// field. Nothing when the fields cannot be read.
std::optional<ChartInput> TMainForm::presentInput() const
{
    std::optional<ChartInput> input = ReadChartInput(fieldTexts());
    if (!input)
        return std::nullopt;
    const PresentMinute now = m_place ? PresentInZone(m_place->Zone()) : PresentAtOffset(OffsetSecondsOf(*input));
    input->Day = now.Date.Day;
    input->Month = now.Date.Month;
    input->Year = now.Date.Year;
    input->Hour = now.Hour;
    input->Minute = now.Minute;
    SetClockOffset(*input, now.OffsetSeconds);
    applyRules(*input);
    return input;
}

void TMainForm::NDaysClick()
{
    const std::optional<ChartInput> present = presentInput();
    if (!present) {
        reportDateDoesNotExist();
        return;
    }
    const ChartOutcome now = ComputeChart(*present);
    if (!m_daysDialog) {
        m_daysDialog = new TDaysDialog(this);
        m_daysDialog->onSave([this](const std::vector<AlmanacRow> &rows) { saveReport(m_daysDialog, rows); });
    }
    m_daysDialog->setContext(now.Details ? PresentText(SignsOf(*now.Details)) : std::string(),
                             m_hasResult ? std::optional(m_chartSigns) : std::nullopt,
                             m_place ? m_place->Zone() : QByteArray(), OffsetSecondsOf(*present),
                             LongitudeSecondsOf(*present), {present->Year, present->Month, present->Day});
    m_daysDialog->exec();
    if (const auto &chosen = m_daysDialog->chosen()) {
        const std::pair<Field, int> values[] = {{Day, chosen->Day}, {Month, chosen->Month}, {Year, chosen->Year}};
        for (const auto &[field, value] : values)
            m_fields[field]->setTextByHandler(ZeroFilled(value, SpecOf(field).Width));
    }
}
