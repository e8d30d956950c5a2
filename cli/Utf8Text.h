// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Input text as the tool echoes it: always well-formed UTF-8.

// text with every ill-formed part replaced by U+FFFD, one for each maximal
// subpart (the longest start of a valid sequence; a lone byte otherwise), as
// the Unicode standard recommends: overlong forms, surrogates (ED A0..BF ..)
// and code points past U+10FFFF never pass. Control characters other than
// tab become U+FFFD too, so an echoed field is printable text.
std::string PrintableUtf8(std::string_view text);

// text was cut just before the byte next: drops the start of a character
// that the cut split, so the text ends on a whole character.
void DropSplitCharacter(std::string &text, unsigned char next);

// The last character of well-formed UTF-8 text (empty for empty text).
std::string_view LastCharacter(std::string_view text);
