// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

#include "SharedChart.h"

// The files of one chart that the tool was asked for, the same as the
// window saves: the report as PDF (the printed page, then the chart's
// report), the result area as PNG. An empty name asks for no file. Draws
// without a display (Qt's offscreen platform unless QT_QPA_PLATFORM names
// another). False after writing the reason of a failed file to err.
bool WriteChartFiles(const SharedChart &chart, const std::string &pdf, const std::string &png, std::ostream &err);
