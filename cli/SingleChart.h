// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "ToolOptions.h"

// One chart of the command line, as text or JSON, with its luck pillars,
// reading, uncertain-time span, days and files as the options ask; or the
// days alone. Returns the exit status.
int RunSingle(const ToolOptions &options);

// The options with the present minute on the clock they name (the zone of
// --place or --tz, else one running the correction ahead of Universal Time)
// as the date and the time.
ToolOptions AtPresent(ToolOptions options);
