// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "SharedChart.h"

#include <QString>

#include <optional>

// Saving a chart to a file whose extension chooses the type.

enum class ChartFileKind { Pdf, Png };

// By the extension, in any case: ".pdf" or ".png"; nothing for any other.
std::optional<ChartFileKind> ChartFileKindOf(const QString &path);

// Draws the chart and writes it through a temporary file in the same folder
// that replaces the target only when complete, so a failure leaves no file
// and an existing file unharmed. Only a new name or a regular file (through
// a link, its target) is written; a folder, FIFO, device or dangling link is
// refused. Empty on success, else the message to show: the file's name and
// the reason, in the chosen language.
QString SaveChartFile(const QString &path, const SharedChart &chart);

// The same for a name given as bytes, such as a command-line argument: the
// file gets exactly those bytes as its name, or nothing is written when they
// cannot be kept (bytes that are not UTF-8 would turn into other bytes).
QString SaveChartFileNamed(const QByteArray &name, const SharedChart &chart);
