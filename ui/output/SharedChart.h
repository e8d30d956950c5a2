// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "ChartTypes.h"
#include "PrintLayout.h"
#include "Report.h"

#include <QString>

// A chart as it leaves the program in a file or on the clipboard: the input
// of the calculation and its result, so that the moment written beside the
// pillars is always the moment they were computed for.
struct SharedChart {
    ChartInput input;
    ChartResult result;
    std::string place = {};    // the place's name, UTF-8; empty when the chart has none
    ReportContent report = {}; // what the saved PDF reports after the chart's page
};

// The place line of the saved files, "Место: Казань, поправка +4, долгота
// 049:07E" (see PlaceLineOf).
QString SharedPlaceLine(const SharedChart &chart);

// The date and time texts of the printed page, zero-filled as the fields
// show them: "25", "12", "2020", "08", "30".
PrintTexts SharedPrintTexts(const ChartInput &input);

// "25.12.2020 08:30": the document title of the saved PDF.
QString SharedMoment(const ChartInput &input);

// "velmora-2020-12-25-0830.pdf": the save dialog's proposal; the year always
// has four digits.
QString DefaultChartFileName(const ChartInput &input);
