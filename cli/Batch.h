// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

#include "ClockOffset.h"

// Batch mode of the tool: one case a line (DD.MM.YYYY,HH:MM,CORR,DDD:MM,H,
// where CORR may be an IANA zone) from in, one result or error line for each
// to out, in order, as CSV or as JSON. Blank lines and lines starting with #
// are skipped.

struct BatchOptions {
    bool Json = false;
    bool Header = false;                // a first line naming the CSV columns
    Fold SkippedOrDoubled = Fold::None; // which offset such a time in a zone takes
    bool Reading = false;               // each JSON chart with its "reading"
    bool SolarTime = false;             // the chart rules of every case (--solar-time, --day-change 0)
    bool DayChangeAtMidnight = false;
};

struct BatchOutcome {
    int Status = 0;      // 0 every case gave a chart; 1 a case failed, or reading or writing did
    std::string Failure; // why reading failed, one line; empty when it did not
};

// Stops at the first failed read or write; a failed write shows on out
// itself. The output is flushed at the end.
BatchOutcome RunBatch(std::istream &in, std::ostream &out, const BatchOptions &options);
