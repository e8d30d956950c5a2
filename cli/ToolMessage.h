// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>

// A message of the calculation in the tool's language. The calculation
// words its few messages in Russian, as the window shows them; any other
// text is the tool's own and already translated.
std::string ToolMessage(const std::string &message);
