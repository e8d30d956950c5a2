// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Csv.h"

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string CsvRecord(std::initializer_list<std::string_view> fields)
{
    std::string out;
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            out += ',';
        out += CsvField(field);
        first = false;
    }
    return out;
}
