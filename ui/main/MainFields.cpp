// SPDX-License-Identifier: AGPL-3.0-or-later
// The editing rules of the date, time, correction and longitude fields.

#include "MainUnit.h"

#include <QApplication>
#include <QPushButton>

#include "ClientGroupBox.h"
#include "EditField.h"
#include "FieldText.h"
#include "ChartErrorText.h"
#include "MessageBoxes.h"
#include "SpinButton.h"

namespace {

// Advances when the text fills the field and the caret stands behind it.
void AdvanceWhenFull(EditField *field, InputFields::Field which, EditField *next)
{
    const int width = SpecOf(which).Width;
    if (field->text().size() >= width && field->caret() == width)
        next->advanceInto();
}

} // namespace

// Reading the fields for a command.

void TMainForm::reportDateDoesNotExist()
{
    ShowMessage(this, ChartErrorMessage(ChartError::DateDoesNotExist));
    m_fields[Day]->focusByProgram();
}

// The date of the three date fields, or nothing after the message.
std::optional<CalendarDate> TMainForm::checkedDate()
{
    const auto date = ReadDateFields(m_fields[Day]->text().toStdString(), m_fields[Month]->text().toStdString(),
                                     m_fields[Year]->text().toStdString());
    if (!date)
        reportDateDoesNotExist();
    return date;
}

FieldTexts TMainForm::fieldTexts() const
{
    const auto text = [this](Field field) { return m_fields[field]->text().toStdString(); };
    return {text(Day),     text(Month),   text(Year),
            text(Hour),    text(Minute),  text(Correction),
            text(Degrees), text(Minutes), m_hemisphere->text().toStdString()};
}

// Date fields.

KeyDecision TMainForm::ClientDayKeyPress(QChar key) { return DateTimeKey(key); }
KeyDecision TMainForm::ClientMonthKeyPress(QChar key) { return DateTimeKey(key); }
KeyDecision TMainForm::ClientYearKeyPress(QChar key) { return DateTimeKey(key); }

void TMainForm::ClientDayChange() { AdvanceWhenFull(m_fields[Day], Day, m_fields[Month]); }
void TMainForm::ClientMonthChange() { AdvanceWhenFull(m_fields[Month], Month, m_fields[Year]); }
void TMainForm::ClientYearChange() { AdvanceWhenFull(m_fields[Year], Year, m_fields[Hour]); }

// A first digit that cannot begin a two-digit value, or a full field with
// the caret behind it, moves on: into the next field, or to a button.
void TMainForm::keyUpMoveOn(EditField *field, int threshold, QWidget *next)
{
    const KeyUpAction action = KeyUpRule(field->text(), field->caret(), threshold);
    if (action == KeyUpAction::None)
        return;
    if (action == KeyUpAction::KeepFirstAndMoveOn)
        field->setTextByHandler(field->text().left(1));
    if (auto *nextField = qobject_cast<EditField *>(next))
        nextField->advanceInto();
    else
        next->setFocus();
}

void TMainForm::ClientDayKeyUp() { keyUpMoveOn(m_fields[Day], 3, m_fields[Month]); }
void TMainForm::ClientMonthKeyUp() { keyUpMoveOn(m_fields[Month], 1, m_fields[Year]); }

void TMainForm::firstClick(EditField *field, ClickField flag)
{
    if (m_firstClickDone[flag])
        return;
    field->setSelection(0, 1);
    m_firstClickDone[flag] = true;
}

void TMainForm::ClientDayClick() { firstClick(m_fields[Day], ClickDay); }
void TMainForm::ClientMonthClick() { firstClick(m_fields[Month], ClickMonth); }
void TMainForm::ClientYearClick() { firstClick(m_fields[Year], ClickYear); }

// completable: the digits that a lone digit before the caret completes to "0d".
void TMainForm::dateExit(Field which, const QString &completable)
{
    EditField *field = m_fields[which];
    const DateFieldRule rule{SpecOf(which).Width, SpecOf(which).High, completable};
    const ExitResult result = DateFieldExit(field->text(), field->caretAtExit(), m_startupTexts[which], rule);
    field->setTextByHandler(result.text);
    if (result.keepFocus)
        field->setFocus();
}

void TMainForm::ClientDayExit() { dateExit(Day, QStringLiteral("123")); }
void TMainForm::ClientMonthExit() { dateExit(Month, QStringLiteral("1")); }
void TMainForm::ClientYearExit() { dateExit(Year, QString()); }

// After a date field's own exit rule: the group's check runs when the focus
// has gone outside the group and was not given back to the field.
void TMainForm::afterDateFieldExit(EditField *field)
{
    QWidget *next = QApplication::focusWidget();
    if (next == field || (next && m_dateGroup->isAncestorOf(next)))
        return;
    ClientGroupBox1Exit();
}

void TMainForm::ClientGroupBox1Exit()
{
    if (const auto date = checkedDate())
        setPickerDate(*date);
}

void TMainForm::stepField(Field which, bool up)
{
    const InputFieldSpec &spec = SpecOf(which);
    m_fields[which]->setTextByHandler(SpinStep(m_fields[which]->text(), up, spec.Low, spec.High, spec.Width));
}

void TMainForm::spinDate(bool up)
{
    for (Field field : {Day, Month, Year})
        if (m_fields[field]->hasFocus())
            return stepField(field, up);
    m_fields[Day]->setFocus();
    stepField(Day, up);
}

void TMainForm::SpinButtonDataUpClick() { spinDate(true); }
void TMainForm::SpinButtonDataDownClick() { spinDate(false); }

void TMainForm::ClientGroupBox1Click() { m_fields[Day]->setFocus(); }

void TMainForm::ClientGroupBox1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        openDatePicker();
}

// Time fields.

KeyDecision TMainForm::ClientHourKeyPress(QChar key) { return DateTimeKey(key); }
KeyDecision TMainForm::ClientMinuteKeyPress(QChar key) { return DateTimeKey(key); }

void TMainForm::ClientHourChange() { AdvanceWhenFull(m_fields[Hour], Hour, m_fields[Minute]); }
void TMainForm::ClientMinuteChange() { placeChange(Minute); }

void TMainForm::ClientHourKeyUp() { keyUpMoveOn(m_fields[Hour], 2, m_fields[Minute]); }

void TMainForm::ClientMinuteKeyUp() { keyUpMoveOn(m_fields[Minute], 5, m_calculate); }

void TMainForm::ClientHourClick() { firstClick(m_fields[Hour], ClickHour); }
void TMainForm::ClientMinuteClick() { firstClick(m_fields[Minute], ClickMinute); }

void TMainForm::timeExit(Field which)
{
    EditField *field = m_fields[which];
    const ExitResult result = TimeFieldExit(field->text(), m_startupTexts[which], SpecOf(which).High);
    field->setTextByHandler(result.text);
    if (result.keepFocus)
        field->setFocus();
}

void TMainForm::ClientHourExit() { timeExit(Hour); }
void TMainForm::ClientMinuteExit() { timeExit(Minute); }

// The spin button of a pair of fields steps the second when it has the
// focus, else the first, which takes the focus.
void TMainForm::spinPair(Field first, Field second, bool up)
{
    const Field field = m_fields[second]->hasFocus() ? second : first;
    if (!m_fields[field]->hasFocus())
        m_fields[field]->setFocus();
    stepField(field, up);
}

void TMainForm::SpinButtonTimeUpClick() { spinPair(Hour, Minute, true); }
void TMainForm::SpinButtonTimeDownClick() { spinPair(Hour, Minute, false); }

void TMainForm::ClientGroupBox2Click() { m_fields[Hour]->setFocus(); }

// Correction and longitude fields.

KeyDecision TMainForm::ClientTimeKeyPress(QChar key) { return PlaceKey(key); }
KeyDecision TMainForm::ClientDolgotaMKeyPress(QChar key) { return PlaceKey(key); }

KeyDecision TMainForm::ClientDolgotaGKeyPress(QChar key)
{
    EditField *degrees = m_fields[Degrees];
    if (degrees->text().size() > 2 && key >= u'0' && key <= u'9' && degrees->caret() == 3) {
        // A full degrees field types through into the minutes.
        EditField *minutes = m_fields[Minutes];
        minutes->setFocus();
        minutes->setTextByHandler(TypeThroughMinutes(key, minutes->text()));
        minutes->setCursorPosition(1);
    }
    return PlaceKey(key);
}

// The change check of the minute, correction and longitude fields.
void TMainForm::placeChange(Field which)
{
    m_fields[which]->setTextByHandler(CutAboveLimit(m_fields[which]->text(), SpecOf(which).High));
}

void TMainForm::ClientTimeChange() { placeChange(Correction); }
void TMainForm::ClientDolgotaGChange() { placeChange(Degrees); }
void TMainForm::ClientDolgotaMChange() { placeChange(Minutes); }

void TMainForm::placeExit(Field which)
{
    m_fields[which]->setTextByHandler(
        PlaceFieldExit(m_fields[which]->text(), m_startupTexts[which], SpecOf(which).Width));
}

void TMainForm::ClientTimeExit() { placeExit(Correction); }
void TMainForm::ClientDolgotaGExit() { placeExit(Degrees); }
void TMainForm::ClientDolgotaMExit() { placeExit(Minutes); }

void TMainForm::spinCorrection(bool up)
{
    m_fields[Correction]->setFocus();
    stepField(Correction, up);
}

void TMainForm::SpinButtonTUpClick() { spinCorrection(true); }
void TMainForm::SpinButtonTDownClick() { spinCorrection(false); }

void TMainForm::SpinButtonDUpClick() { spinPair(Degrees, Minutes, true); }
void TMainForm::SpinButtonDDownClick() { spinPair(Degrees, Minutes, false); }

void TMainForm::ClientButtonDolgotaClick()
{
    m_hemisphere->setText(m_hemisphere->text() == QStringLiteral("E") ? QStringLiteral("W") : QStringLiteral("E"));
    dropPlace();
}
