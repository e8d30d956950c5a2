#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes every modal box that opens while it lives and records its text, so
// a test never hangs on one and can check which messages appeared.
class ModalWatcher
{
public:
    ModalWatcher()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeModal(); });
        m_timer.start();
    }

    const QStringList &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    void closeModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_messages << box->text();
            box->accept();
        } else {
            m_messages << QStringLiteral("<dialog %1>").arg(modal->objectName());
            modal->close();
        }
    }

    QTimer m_timer;
    QStringList m_messages;
};
