// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

// The parts of text between separators, as views into it: "a,,b" gives
// "a", "" and "b"; text without a separator is one part.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);
