#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

// Closes the main window when the session ends or the process is asked to
// stop (SIGTERM, SIGHUP, SIGINT), so the window's close handling runs and
// the settings are written as on any other close. The signal handler only
// writes a byte to a socket; the closing happens in the event loop.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QWidget *window);
    ~TerminationSignals() override;

private:
    void closeWindow();

    QWidget *m_window;
    QSocketNotifier *m_notifier = nullptr;
};
