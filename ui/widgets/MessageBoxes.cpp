// SPDX-License-Identifier: AGPL-3.0-or-later
#include "MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

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

bool AskYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(AppTitle), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}
