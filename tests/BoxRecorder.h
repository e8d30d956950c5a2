#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <vector>

// Closes every modal window that opens while it lives and records how each
// looked (caption, text, icon, buttons, text format), so a test never hangs
// on a box and can check its appearance afterwards.
class BoxRecorder
{
public:
    struct Seen {
        QString objectName, title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        Qt::TextFormat format = Qt::AutoText;
    };

    BoxRecorder()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeActive(); });
        m_timer.start();
    }

    const std::vector<Seen> &seen() const { return m_seen; }

private:
    void closeActive()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        Seen seen{dialog->objectName(), dialog->windowTitle(), {}};
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttonCount = static_cast<int>(box->buttons().size());
            seen.format = box->textFormat();
        }
        m_seen.push_back(seen);
        dialog->reject();
    }

    QTimer m_timer;
    std::vector<Seen> m_seen;
};
