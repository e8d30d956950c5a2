// The editing rules of the date, time, correction and longitude fields.

#include "MainUnit.h"

#include <QApplication>
#include <QPushButton>

#include "ClientGroupBox.h"
#include "EditField.h"
#include "MessageBoxes.h"
#include "SpinButton.h"

namespace {

const DateFieldRule DayRule{2, 31, QStringLiteral("123")};
const DateFieldRule MonthRule{2, 12, QStringLiteral("1")};
const DateFieldRule YearRule{4, 5000, QString()};

// Advances when the text fills the field and the caret stands behind it.
void AdvanceWhenFull(EditField *field, int width, EditField *next)
{
    if (field->text().size() >= width && field->caret() == width)
        next->advanceInto();
}

} // namespace

// Date fields.

KeyDecision TMainForm::ClientDayKeyPress(QChar key) { return DateTimeKey(key); }
KeyDecision TMainForm::ClientMonthKeyPress(QChar key) { return DateTimeKey(key); }
KeyDecision TMainForm::ClientYearKeyPress(QChar key) { return DateTimeKey(key); }

void TMainForm::ClientDayChange() { AdvanceWhenFull(m_fields[Day], 2, m_fields[Month]); }
void TMainForm::ClientMonthChange() { AdvanceWhenFull(m_fields[Month], 2, m_fields[Year]); }
void TMainForm::ClientYearChange() { AdvanceWhenFull(m_fields[Year], 4, m_fields[Hour]); }

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

void TMainForm::dateExit(EditField *field, const DateFieldRule &rule, Field which)
{
    const ExitResult result = DateFieldExit(field->text(), field->caretAtExit(), m_startupTexts[which], rule);
    field->setTextByHandler(result.text);
    if (result.keepFocus)
        field->setFocus();
}

void TMainForm::ClientDayExit() { dateExit(m_fields[Day], DayRule, Day); }
void TMainForm::ClientMonthExit() { dateExit(m_fields[Month], MonthRule, Month); }
void TMainForm::ClientYearExit() { dateExit(m_fields[Year], YearRule, Year); }

// After a date field's own exit rule: the group's check runs when the focus
// has gone outside the group and was not given back to the field.
void TMainForm::afterDateFieldExit(EditField *field)
{
    QWidget *next = QApplication::focusWidget();
    if (next == field || (next && m_dateGroup->isAncestorOf(next)))
        return;
    RunHandler(this, [this] { ClientGroupBox1Exit(); });
}

void TMainForm::ClientGroupBox1Exit()
{
    if (const auto date = checkedDate())
        setPickerDate(*date);
}

void TMainForm::stepField(EditField *field, bool up, int low, int high, int width)
{
    field->setTextByHandler(SpinStep(field->text(), up, low, high, width));
}

void TMainForm::spinDate(bool up)
{
    static constexpr int limits[3] = {31, 12, 5000};
    static constexpr int widths[3] = {2, 2, 4};
    for (Field field : {Day, Month, Year})
        if (m_fields[field]->hasFocus())
            return stepField(m_fields[field], up, 1, limits[field], widths[field]);
    m_fields[Day]->setFocus();
    stepField(m_fields[Day], up, 1, 31, 2);
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

void TMainForm::ClientHourChange() { AdvanceWhenFull(m_fields[Hour], 2, m_fields[Minute]); }

void TMainForm::ClientMinuteChange()
{
    m_fields[Minute]->setTextByHandler(CutAboveLimit(m_fields[Minute]->text(), 59));
}

void TMainForm::ClientHourKeyUp() { keyUpMoveOn(m_fields[Hour], 2, m_fields[Minute]); }

void TMainForm::ClientMinuteKeyUp() { keyUpMoveOn(m_fields[Minute], 5, m_calculate); }

void TMainForm::ClientHourClick() { firstClick(m_fields[Hour], ClickHour); }
void TMainForm::ClientMinuteClick() { firstClick(m_fields[Minute], ClickMinute); }

void TMainForm::timeExit(EditField *field, int limit, Field which)
{
    const ExitResult result = TimeFieldExit(field->text(), m_startupTexts[which], limit);
    field->setTextByHandler(result.text);
    if (result.keepFocus)
        field->setFocus();
}

void TMainForm::ClientHourExit() { timeExit(m_fields[Hour], 23, Hour); }
void TMainForm::ClientMinuteExit() { timeExit(m_fields[Minute], 59, Minute); }

void TMainForm::spinTime(bool up)
{
    EditField *field = m_fields[Minute]->hasFocus() ? m_fields[Minute] : m_fields[Hour];
    if (!field->hasFocus())
        field->setFocus();
    stepField(field, up, 0, field == m_fields[Hour] ? 23 : 59, 2);
}

void TMainForm::SpinButtonTimeUpClick() { spinTime(true); }
void TMainForm::SpinButtonTimeDownClick() { spinTime(false); }

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

void TMainForm::ClientTimeChange()
{
    m_fields[Correction]->setTextByHandler(CutAboveLimit(m_fields[Correction]->text(), 23));
}

void TMainForm::ClientDolgotaGChange()
{
    m_fields[Degrees]->setTextByHandler(CutAboveLimit(m_fields[Degrees]->text(), 179));
}

void TMainForm::ClientDolgotaMChange()
{
    m_fields[Minutes]->setTextByHandler(CutAboveLimit(m_fields[Minutes]->text(), 59));
}

void TMainForm::ClientTimeExit()
{
    m_fields[Correction]->setTextByHandler(PlaceFieldExit(m_fields[Correction]->text(), m_startupTexts[Correction], 2));
}

void TMainForm::ClientDolgotaGExit()
{
    m_fields[Degrees]->setTextByHandler(PlaceFieldExit(m_fields[Degrees]->text(), m_startupTexts[Degrees], 3));
}

void TMainForm::ClientDolgotaMExit()
{
    m_fields[Minutes]->setTextByHandler(PlaceFieldExit(m_fields[Minutes]->text(), m_startupTexts[Minutes], 2));
}

void TMainForm::spinCorrection(bool up)
{
    m_fields[Correction]->setFocus();
    stepField(m_fields[Correction], up, -23, 23, 2);
}

void TMainForm::SpinButtonTUpClick() { spinCorrection(true); }
void TMainForm::SpinButtonTDownClick() { spinCorrection(false); }

void TMainForm::spinLongitude(bool up)
{
    EditField *field = m_fields[Minutes]->hasFocus() ? m_fields[Minutes] : m_fields[Degrees];
    if (!field->hasFocus())
        field->setFocus();
    if (field == m_fields[Degrees])
        stepField(field, up, 0, 179, 3);
    else
        stepField(field, up, 0, 59, 2);
}

void TMainForm::SpinButtonDUpClick() { spinLongitude(true); }
void TMainForm::SpinButtonDDownClick() { spinLongitude(false); }

void TMainForm::ClientButtonDolgotaClick()
{
    m_hemisphere->setText(m_hemisphere->text() == QStringLiteral("E") ? QStringLiteral("W") : QStringLiteral("E"));
}
