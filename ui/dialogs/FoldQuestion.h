// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

#include "ClockOffset.h"

class QWidget;

// Asks which offset a local time that was skipped or that happened twice
// takes, in a message box with one button for each offset ("+4, до перевода
// часов" / "+3, после") and "Отмена". Nothing when the user cancels.
std::optional<Fold> AskFold(QWidget *parent, const ClockOffset &offset, const QString &place, const QString &moment);
