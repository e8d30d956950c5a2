// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "SharedChart.h"

#include <QByteArray>

// The printed page as a PDF: one A4 page at 600 dpi without margins, drawn by
// the printing layout, titled with the chart's date and time and made by
// "Velmora". Empty when the page could not be drawn.
QByteArray ChartPdf(const SharedChart &chart);
