// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Utf8Text.h"

namespace {

constexpr char Replacement[] = "\xEF\xBF\xBD"; // U+FFFD

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed sequence at text[i] (Unicode table 3-7), or 0
// with bad set to the length of the maximal subpart there.
std::size_t SequenceAt(std::string_view text, std::size_t i, std::size_t &bad)
{
    const unsigned char lead = text[i];
    bad = 1;
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;  // no overlong forms
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k, ++bad) {
        if (i + k >= text.size())
            return 0;
        const unsigned char c = text[i + k];
        if (k == 1 ? c < low || c > high : !IsContinuation(c))
            return 0;
    }
    return length;
}

} // namespace

std::string PrintableUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t bad = 0;
        const std::size_t length = SequenceAt(text, i, bad);
        const unsigned char c = text[i];
        if (length == 0 || (length == 1 && ((c < 0x20 && c != '\t') || c == 0x7F))) {
            out += Replacement;
            i += length == 0 ? bad : 1;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

void DropSplitCharacter(std::string &text, unsigned char next)
{
    if (!IsContinuation(next))
        return;
    std::size_t lead = text.size();
    while (lead > 0 && IsContinuation(static_cast<unsigned char>(text[lead - 1])))
        --lead;
    if (lead == 0)
        return;
    --lead;
    const unsigned char c = text[lead];
    const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (text.size() - lead < length)
        text.resize(lead);
}

std::string_view LastCharacter(std::string_view text)
{
    std::size_t start = text.size();
    while (start > 0 && IsContinuation(static_cast<unsigned char>(text[start - 1])))
        --start;
    if (start > 0)
        --start;
    return text.substr(start);
}
