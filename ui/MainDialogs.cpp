// The main window's ties to its dialogs and output: date picker, about box,
// help text and printing.

#include "MainUnit.h"

void TMainForm::setPickerDate(const CalendarDate &)
{
}

void TMainForm::openDatePicker()
{
}

void TMainForm::N7Click()
{
}

void TMainForm::N2Click()
{
}

void TMainForm::N3Click()
{
}
