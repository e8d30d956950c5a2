#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>

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
    // What to do with a modal dialog that is not a message box; by default
    // it is closed.
    void onDialog(std::function<void(QWidget *)> handler) { m_onDialog = std::move(handler); }
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
            if (m_onDialog)
                m_onDialog(modal);
            if (modal->isVisible())
                modal->close();
        }
    }

    QTimer m_timer;
    std::function<void(QWidget *)> m_onDialog;
    QStringList m_messages;
};
