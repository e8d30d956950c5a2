// The main window's ties to its dialogs and output: date picker, about box,
// help text and printing.

#include "MainUnit.h"

#include "AboutUnit.h"
#include "EditField.h"
#include "HelpText.h"
#include "MessageBoxes.h"
#include "Printing.h"

void TMainForm::setPickerDate(const CalendarDate &)
{
}

void TMainForm::openDatePicker()
{
}

void TMainForm::N7Click()
{
    RunHandler(this, [this] {
        const PrintTexts texts{m_fields[Day]->text(), m_fields[Month]->text(), m_fields[Year]->text(),
                               m_fields[Hour]->text(), m_fields[Minute]->text()};
        PrintOnDefaultPrinter(this, texts, m_result);
    });
}

void TMainForm::N2Click()
{
    RunHandler(this, [this] { ShowHelp(this); });
}

void TMainForm::N3Click()
{
    if (m_about)
        m_about->exec();
}
