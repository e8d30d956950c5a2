// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>
#include <string>

class QWidget;

// An error a handler does not deal with itself; the handler boundary shows
// it through the application-wide error report.
class VelmoraError : public std::runtime_error
{
public:
    explicit VelmoraError(const QString &message)
        : std::runtime_error(message.toStdString())
    { }
    QString message() const { return QString::fromStdString(what()); }
};

// The caption of every message box.
inline constexpr char AppTitle[] = "Velmora";

// The report's text: "." is appended when the last character's code is above
// that of ".".
QString ErrorReportText(const QString &message);

// The application-wide error report: error icon, caption "Velmora", OK.
void ShowErrorReport(QWidget *parent, const QString &message);

// The system's own messages: no icon, caption "Velmora", OK.
void ShowMessage(QWidget *parent, const QString &text);

// A question with "Да" (the default) and "Нет", caption "Velmora": true for "Да".
bool AskYesNo(QWidget *parent, const QString &text);

// Runs a handler body; any error escaping it is shown by the error report
// and the program goes on, so no exception crosses the event loop. True when
// the body ran to its end.
template <typename Body>
bool RunHandler(QWidget *parent, Body &&body)
{
    try {
        body();
        return true;
    } catch (const VelmoraError &error) {
        ShowErrorReport(parent, error.message());
    } catch (const std::exception &error) {
        ShowErrorReport(parent, QString::fromUtf8(error.what()));
    }
    return false;
}
