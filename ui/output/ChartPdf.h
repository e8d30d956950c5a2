// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "SharedChart.h"

#include <QByteArray>

// The chart as a PDF report, A4 at 600 dpi without margins, titled with the
// chart's date and time and made by "Velmora": first the printed page drawn
// by the printing layout, with the client's name above the table and the
// place line under the squares, then the report's sections on pages of
// their own; "стр. 1 из N" at the foot of every page. Empty when a page
// could not be drawn.
QByteArray ChartPdf(const SharedChart &chart);
