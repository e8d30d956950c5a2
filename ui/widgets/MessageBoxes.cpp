// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

// Messages quote field texts and file contents, which may look like markup;
// they are always shown as the plain text they are.
void ShowPlainBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QString::fromUtf8(AppTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void ShowErrorReport(QWidget *parent, const QString &message)
{
    ShowPlainBox(parent, QMessageBox::Critical, ErrorReportText(message));
}

void ShowMessage(QWidget *parent, const QString &text) { ShowPlainBox(parent, QMessageBox::NoIcon, text); }
