// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "ChartTypes.h"
#include "PrintLayout.h"

#include <QString>

class QWidget;

// The message of every failed print.
inline constexpr char PrintErrorMessage[] = "Ошибка печати";

// Where the print module lies: in the program's private library folder,
// found from the program's own folder.
QString PrintModulePath();

// The print command: prints on the default printer without a dialog, through
// the print module at modulePath, and shows "Ошибка печати" when there is
// no printer, the job fails or the module cannot be loaded (the reason of
// the last goes to the log).
void PrintOnDefaultPrinter(QWidget *parent, const PrintTexts &texts, const ChartResult &result,
                           const QString &modulePath = PrintModulePath());
