// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// A batch line split at its commas, once: each field is a view into the
// line, which must outlive it. A line without a comma is one field.
class BatchFields
{
public:
    explicit BatchFields(std::string_view line);

    std::string_view Line() const { return line_; }
    std::size_t Count() const { return fields_.size(); }

    // Field i, empty past the last.
    std::string_view operator[](std::size_t i) const;

    // Field i and every one after it, commas included; empty past the last.
    std::string_view From(std::size_t i) const;

    // The first count (1 or more) fields as a line of their own.
    BatchFields First(std::size_t count) const;

private:
    BatchFields(std::string_view line, std::vector<std::string_view> fields);

    std::string_view line_;
    std::vector<std::string_view> fields_;
};
