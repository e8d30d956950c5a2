#include "MessageBoxes.h"

#include <QMessageBox>

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void ShowErrorReport(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(AppTitle), ErrorReportText(message),
                    QMessageBox::Ok, parent);
    box.exec();
}

void ShowMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(AppTitle), text, QMessageBox::Ok, parent);
    box.exec();
}
