// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>

// The usage text of --help, in the language chosen at start.
std::string UsageText();

// A usage error: one line naming the problem and one pointing to --help on
// standard error, as the core utilities answer a wrong command line. Returns
// the exit status 2.
int UsageError(const std::string &message);
