// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "MainFormFixture.h"
#include "SpinButton.h"

// Typing into the real window, key by key, wherever the focus is.
class FieldKeys : public MainFormTest
{
protected:
    void SetUp() override
    {
        start();
        enter("15", "06", "2024", "14", "30", "05", "060", "36");
        modals.clear();
    }

    QWidget *focus() { return QApplication::focusWidget(); }
    QString focusName() { return focus() ? focus()->objectName() : QString(); }

    void type(const QString &keys)
    {
        for (QChar key : keys)
            QTest::keyClick(focus(), key.toLatin1());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(focus(), k, modifiers); }
    void focusOn(const char *name) { field(name)->setFocus(Qt::TabFocusReason); }
    // A message box leaves the offscreen window inactive; make it active again.
    void reactivate()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void spin(const char *name, bool up)
    {
        auto *button = form->findChild<SpinButton *>(QString::fromLatin1(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, up ? 4 : button->height() - 4));
    }
    QString selected(const char *name) { return field(name)->selectedText(); }
};
