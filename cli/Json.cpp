// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Json.h"

#include <cmath>
#include <cstdint>

#include "Utf8Text.h"

Json TextJson(std::string_view text) { return PrintableUtf8(text); }

Json NumberJson(double value)
{
    // Below 2^53 every whole double is an exact integer.
    if (std::trunc(value) == value && std::fabs(value) < 9007199254740992.0)
        return static_cast<std::int64_t>(value);
    return value;
}

std::string Dumped(const Json &value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }
