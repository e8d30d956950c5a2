// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Comma-separated values as RFC 4180 writes them.

// The field as it stands, or in double quotes with each quote doubled when
// it holds a comma, a double quote, a carriage return or a line feed.
std::string CsvField(std::string_view text);

// The fields joined by commas, each written by CsvField.
std::string CsvRecord(std::initializer_list<std::string_view> fields);
