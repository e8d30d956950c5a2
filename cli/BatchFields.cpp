// SPDX-License-Identifier: AGPL-3.0-or-later
#include "BatchFields.h"

#include <algorithm>
#include <utility>

#include "SplitText.h"

BatchFields::BatchFields(std::string_view line)
    : line_(line)
    , fields_(SplitAt(line, ','))
{ }

BatchFields::BatchFields(std::string_view line, std::vector<std::string_view> fields)
    : line_(line)
    , fields_(std::move(fields))
{ }

std::string_view BatchFields::operator[](std::size_t i) const
{
    return i < fields_.size() ? fields_[i] : std::string_view();
}

std::string_view BatchFields::From(std::size_t i) const
{
    if (i >= fields_.size())
        return {};
    return line_.substr(static_cast<std::size_t>(fields_[i].data() - line_.data()));
}

BatchFields BatchFields::First(std::size_t count) const
{
    count = std::min(count, fields_.size());
    const std::string_view last = fields_[count - 1];
    const std::size_t end = static_cast<std::size_t>(last.data() - line_.data()) + last.size();
    return {line_.substr(0, end), {fields_.begin(), fields_.begin() + static_cast<std::ptrdiff_t>(count)}};
}
