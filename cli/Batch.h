#pragma once

#include <iosfwd>

// Batch mode of the tool: one case a line (DD.MM.YYYY,HH:MM,CORR,DDD:MM,H,
// where CORR may be an IANA zone) from in, one result or error line for each to out, in order. Blank lines
// and lines starting with # are skipped. Returns 0 when every case gave a
// chart, 1 when any failed.
int RunBatch(std::istream &in, std::ostream &out, bool json);
