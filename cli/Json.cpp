// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Json.h"

#include <charconv>

#include "Utf8Text.h"

namespace {

// nlohmann writes a double with Grisu2, which now and then ends on another
// last digit than the shortest text, and gives whole values a ".0". So a
// ShortestNumber keeps its text, in a binary value (which the tool's JSON
// has no other use for), and Dumped writes that text where it stands.
void Write(const Json &value, std::string &out)
{
    if (value.is_binary()) {
        out.append(value.get_binary().begin(), value.get_binary().end());
        return;
    }
    if (!value.is_structured()) {
        out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
    const bool object = value.is_object();
    out += object ? '{' : '[';
    for (auto item = value.begin(); item != value.end(); ++item) {
        if (item != value.begin())
            out += ',';
        if (object) {
            Write(item.key(), out);
            out += ':';
        }
        Write(*item, out);
    }
    out += object ? '}' : ']';
}

} // namespace

Json TextJson(std::string_view text) { return PrintableUtf8(text); }

Json ShortestNumber(double value)
{
    char text[32];
    char *end = std::to_chars(text, text + sizeof text, value).ptr;
    return Json::binary(Json::binary_t::container_type(text, end));
}

std::string Dumped(const Json &value)
{
    std::string out;
    Write(value, out);
    return out;
}
