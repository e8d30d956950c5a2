// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;
class TMainForm;

// Ends the program when the process is asked to stop (SIGTERM, SIGHUP,
// SIGINT): the main window closes as at the end of a session, so the
// settings are written if they can be, and then every event loop ends, also
// that of a dialog open at the time. The signal handler only writes a byte
// to a socket; the closing happens in the event loop.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(TMainForm *window);
    ~TerminationSignals() override;

private:
    void closeWindow();

    TMainForm *m_window;
    QSocketNotifier *m_notifier = nullptr;
};
