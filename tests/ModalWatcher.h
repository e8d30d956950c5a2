// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Closes every modal window that opens while it lives and records how each
// looked, so a test never hangs on one and can check which boxes appeared.
// A window the test did not announce with expect() fails the test.
class ModalWatcher
{
public:
    struct Seen {
        QString objectName, title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        Qt::TextFormat format = Qt::AutoText;
    };

    ModalWatcher()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeModal(); });
        m_timer.start();
    }

    const std::vector<Seen> &seen() const { return m_seen; }
    // The texts of the message boxes, and "<dialog name>" for other dialogs.
    QStringList messages() const
    {
        QStringList texts;
        for (const Seen &s : m_seen)
            texts << (s.buttonCount ? s.text : QStringLiteral("<dialog %1>").arg(s.objectName));
        return texts;
    }
    void clear() { m_seen.clear(); }
    // Announces `count` more modal windows; expectAny() allows any number.
    void expect(int count = 1) { m_allowed += count; }
    void expectAny() { m_allowed = Unlimited; }
    // What to do with a modal dialog that is not a message box; by default
    // it is closed.
    void onDialog(std::function<void(QWidget *)> handler) { m_onDialog = std::move(handler); }
    // What to do with a message box (such as clicking one of its buttons);
    // by default it is closed as Esc closes it.
    void onMessageBox(std::function<void(QMessageBox *)> handler) { m_onBox = std::move(handler); }

private:
    void closeModal()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        Seen seen{dialog->objectName(), dialog->windowTitle(), {}};
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (box) {
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttonCount = static_cast<int>(box->buttons().size());
            seen.format = box->textFormat();
        }
        m_seen.push_back(seen);
        if (m_allowed == 0)
            ADD_FAILURE() << "unexpected modal window '" << seen.objectName.toStdString() << "' titled '"
                          << seen.title.toStdString() << "': " << seen.text.toStdString();
        else if (m_allowed != Unlimited)
            --m_allowed;
        if (!box && m_onDialog)
            m_onDialog(dialog);
        if (box && m_onBox)
            m_onBox(box);
        if (dialog->isVisible())
            dialog->reject();
    }

    static constexpr int Unlimited = -1;

    QTimer m_timer;
    std::vector<Seen> m_seen;
    int m_allowed = 0;
    std::function<void(QWidget *)> m_onDialog;
    std::function<void(QMessageBox *)> m_onBox;
};
