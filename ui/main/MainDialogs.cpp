// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window's ties to its dialogs and output: date picker, about box,
// help text and printing.

#include "MainUnit.h"

#include "SolarTime.h"
#include "AboutUnit.h"
#include "Calendar.h"
#include "EditField.h"
#include "HelpText.h"
#include "MessageBoxes.h"
#include "PrintCommand.h"
#include "Unit2.h"

void TMainForm::setDialogs(TPickDate *picker, TAboutBox *about)
{
    m_picker = picker;
    m_about = about;
    if (!m_picker)
        return;
    m_picker->setDateFields(
        [this] {
            return std::array<QString, 3>{m_fields[Day]->text(), m_fields[Month]->text(), m_fields[Year]->text()};
        },
        [this](const QString &day, const QString &month, const QString &year) {
            m_fields[Day]->setTextByHandler(day);
            m_fields[Month]->setTextByHandler(month);
            m_fields[Year]->setTextByHandler(year);
        });
}

// The picker's calendar follows every date the window accepts, so that it
// opens on that date.
void TMainForm::setPickerDate(const CalendarDate &date)
{
    if (m_picker)
        m_picker->calendar()->setDate(date);
}

void TMainForm::openDatePicker()
{
    if (m_picker)
        m_picker->exec();
}

void TMainForm::N7Click()
{
    const PrintTexts texts{
        m_fields[Day]->text(),    m_fields[Month]->text(),
        m_fields[Year]->text(),   m_fields[Hour]->text(),
        m_fields[Minute]->text(), QString::fromStdString(m_hasResult ? RulesText(m_chartInput) : std::string())};
    PrintOnDefaultPrinter(this, texts, m_result);
}

void TMainForm::N2Click() { ShowHelp(this); }

void TMainForm::N3Click()
{
    if (m_about)
        m_about->exec();
}
