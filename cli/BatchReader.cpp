// SPDX-License-Identifier: AGPL-3.0-or-later
#include "BatchReader.h"

#include <ios>

#include "Utf8Text.h"

namespace {
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
} // namespace

BatchReader::BatchReader(std::istream &in)
    : in_(in)
{ }

bool BatchReader::Next(std::string &line)
{
    line.clear();
    tooLong_ = false;
    bool more = false;
    try {
        more = ReadLine(line);
    } catch (const std::ios_base::failure &failure) {
        // A file stream reports a failed read(2) this way, with its errno.
        error_ = failure.code().value();
        return false;
    }
    if (first_ && line.starts_with(ByteOrderMark))
        line.erase(0, sizeof ByteOrderMark - 1);
    first_ = false;
    return more;
}

bool BatchReader::ReadLine(std::string &line)
{
    std::streambuf &buffer = *in_.rdbuf();
    bool any = false;
    for (int c = buffer.sbumpc(); c != std::char_traits<char>::eof(); c = buffer.sbumpc()) {
        any = true;
        if (c == '\n')
            return true;
        if (tooLong_)
            continue; // the rest of a long line, read past
        if (line.size() < MaxLineBytes) {
            line += static_cast<char>(c);
        } else {
            // Dropping a split character shortens the line below the limit
            // again; nothing after the cut may fill that room.
            DropSplitCharacter(line, static_cast<unsigned char>(c));
            tooLong_ = true;
        }
    }
    return any;
}
