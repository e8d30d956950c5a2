// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstddef>
#include <istream>
#include <string>

// The lines of a batch input. Each is kept up to a limit, so a line of
// megabytes costs no more memory than one at the limit; a UTF-8 byte-order
// mark at the very start is skipped. A read error ends the input and is kept.
class BatchReader
{
public:
    static constexpr std::size_t MaxLineBytes = 1000;

    explicit BatchReader(std::istream &in);

    // The next line without its line feed, cut to MaxLineBytes when longer
    // (to fewer where the cut would split a UTF-8 character); false at the
    // end of the input or at a read error.
    bool Next(std::string &line);

    // Whether the line Next gave last was longer than MaxLineBytes.
    bool TooLong() const { return tooLong_; }

    // The errno of the failed read that stopped the input early (EISDIR),
    // 0 when the input simply ended.
    int Error() const { return error_; }

private:
    bool ReadLine(std::string &line);

    std::istream &in_;
    bool first_ = true;
    bool tooLong_ = false;
    int error_ = 0;
};
