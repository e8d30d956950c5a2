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
// and an existing file unharmed. Empty on success, else the message to show:
// the file's name and the reason, in plain Russian text.
QString SaveChartFile(const QString &path, const SharedChart &chart);
