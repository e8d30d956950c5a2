// SPDX-License-Identifier: AGPL-3.0-or-later
// Every control's events bound to the main window's handlers.
//
// Where handler errors are caught: at the binding, once. Each way an event
// reaches a handler of the window (a control's signal here, a menu action,
// Enter and Esc, the first activation, a field's change check in EditField)
// runs it through RunHandler, which shows an escaping error in the error
// report and goes no further. Handler bodies never catch; a handler called
// from another (the first activation runs Calculate) lets its error reach
// the caller's boundary. FormCloseQuery, which answers the close request,
// catches its own errors because a failed write must keep the window open.

#include "MainUnit.h"

#include <QPushButton>

#include "ClientGroupBox.h"
#include "EditField.h"
#include "MessageBoxes.h"
#include "SpinButton.h"

namespace {

struct FieldHandlers {
    KeyDecision (TMainForm::*keyPress)(QChar);
    void (TMainForm::*change)();
    void (TMainForm::*keyUp)();
    void (TMainForm::*click)();
    void (TMainForm::*exit)();
};

} // namespace

void TMainForm::connectFields()
{
    const FieldHandlers handlers[FieldCount] = {
        {&TMainForm::ClientDayKeyPress, &TMainForm::ClientDayChange, &TMainForm::ClientDayKeyUp,
         &TMainForm::ClientDayClick, &TMainForm::ClientDayExit},
        {&TMainForm::ClientMonthKeyPress, &TMainForm::ClientMonthChange, &TMainForm::ClientMonthKeyUp,
         &TMainForm::ClientMonthClick, &TMainForm::ClientMonthExit},
        {&TMainForm::ClientYearKeyPress, &TMainForm::ClientYearChange, nullptr, &TMainForm::ClientYearClick,
         &TMainForm::ClientYearExit},
        {&TMainForm::ClientHourKeyPress, &TMainForm::ClientHourChange, &TMainForm::ClientHourKeyUp,
         &TMainForm::ClientHourClick, &TMainForm::ClientHourExit},
        {&TMainForm::ClientMinuteKeyPress, &TMainForm::ClientMinuteChange, &TMainForm::ClientMinuteKeyUp,
         &TMainForm::ClientMinuteClick, &TMainForm::ClientMinuteExit},
        {&TMainForm::ClientTimeKeyPress, &TMainForm::ClientTimeChange, nullptr, nullptr, &TMainForm::ClientTimeExit},
        {&TMainForm::ClientDolgotaGKeyPress, &TMainForm::ClientDolgotaGChange, nullptr, nullptr,
         &TMainForm::ClientDolgotaGExit},
        {&TMainForm::ClientDolgotaMKeyPress, &TMainForm::ClientDolgotaMChange, nullptr, nullptr,
         &TMainForm::ClientDolgotaMExit},
    };
    // A hand edit of the correction or the longitude ends the active place.
    for (Field field : {Correction, Degrees, Minutes})
        connect(m_fields[field], &QLineEdit::textChanged, this, &TMainForm::dropPlace);
    for (int i = 0; i < FieldCount; ++i) {
        EditField *field = m_fields[i];
        const FieldHandlers h = handlers[i];
        field->setKeyFilter([this, h](QChar key) {
            KeyDecision decision = KeyDecision::Discard;
            RunHandler(this, [&] { decision = (this->*h.keyPress)(key); });
            return decision;
        });
        field->setChangeHandler([this, h] { (this->*h.change)(); });
        if (h.keyUp)
            connect(field, &EditField::keyReleased, this, [this, h] { RunHandler(this, [&] { (this->*h.keyUp)(); }); });
        if (h.click)
            connect(field, &EditField::clicked, this, [this, h] { RunHandler(this, [&] { (this->*h.click)(); }); });
        const bool inDateGroup = i <= Year;
        connect(field, &EditField::exited, this, [this, h, field, inDateGroup] {
            if (RunHandler(this, [&] { (this->*h.exit)(); }) && inDateGroup)
                RunHandler(this, [&] { afterDateFieldExit(field); });
        });
    }
    connectCommands();
}

std::function<void()> TMainForm::bound(void (TMainForm::*handler)())
{
    return [this, handler] { RunHandler(this, [&] { (this->*handler)(); }); };
}

void TMainForm::connectCommands()
{
    const auto bind = [this](auto *sender, auto signal, void (TMainForm::*handler)()) {
        connect(sender, signal, this, bound(handler));
    };
    bind(m_spinDate, &SpinButton::upClicked, &TMainForm::SpinButtonDataUpClick);
    bind(m_spinDate, &SpinButton::downClicked, &TMainForm::SpinButtonDataDownClick);
    bind(m_spinTime, &SpinButton::upClicked, &TMainForm::SpinButtonTimeUpClick);
    bind(m_spinTime, &SpinButton::downClicked, &TMainForm::SpinButtonTimeDownClick);
    bind(m_spinCorrection, &SpinButton::upClicked, &TMainForm::SpinButtonTUpClick);
    bind(m_spinCorrection, &SpinButton::downClicked, &TMainForm::SpinButtonTDownClick);
    bind(m_spinLongitude, &SpinButton::upClicked, &TMainForm::SpinButtonDUpClick);
    bind(m_spinLongitude, &SpinButton::downClicked, &TMainForm::SpinButtonDDownClick);
    bind(m_dateGroup, &ClientGroupBox::clicked, &TMainForm::ClientGroupBox1Click);
    bind(m_dateGroup, &ClientGroupBox::doubleClicked, &TMainForm::ClientGroupBox1DblClick);
    bind(m_timeGroup, &ClientGroupBox::clicked, &TMainForm::ClientGroupBox2Click);
    const auto bindPress = [this](ClientGroupBox *group, void (TMainForm::*handler)(Qt::MouseButton)) {
        connect(group, &ClientGroupBox::pressed, this,
                [this, handler](Qt::MouseButton button) { RunHandler(this, [&] { (this->*handler)(button); }); });
    };
    bindPress(m_dateGroup, &TMainForm::ClientGroupBox1MouseDown);
    bindPress(m_correctionGroup, &TMainForm::GroupBox1MouseDown);
    bindPress(m_longitudeGroup, &TMainForm::ClientGroupBox4MouseDown);
    bind(m_hemisphere, &QPushButton::clicked, &TMainForm::ClientButtonDolgotaClick);
    bind(m_calculate, &QPushButton::clicked, &TMainForm::BitBtn1Click);
    bind(m_copy, &QPushButton::clicked, &TMainForm::Bit2Click);
    bind(m_close, &QPushButton::clicked, &TMainForm::BitBtn2Click);
}
