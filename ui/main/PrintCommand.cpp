// SPDX-License-Identifier: AGPL-3.0-or-later
#include "PrintCommand.h"

#include "MessageBoxes.h"
#include "PrintEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString PrintModulePath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(VELMORA_PRINT_MODULE));
}

// The module stays loaded once loaded: Qt's print support keeps plugins and
// state of its own for the rest of the run.
void PrintOnDefaultPrinter(QWidget *parent, const PrintTexts &texts, const ChartResult &result,
                           const QString &modulePath)
{
    QLibrary module(modulePath);
    const auto print = reinterpret_cast<PrintEntry>(module.resolve(PrintEntryName));
    if (!print)
        qWarning("Velmora: printing is not available: %s", qUtf8Printable(module.errorString()));
    if (!print || !print(texts, result))
        ShowMessage(parent, QString::fromUtf8(PrintErrorMessage));
}
