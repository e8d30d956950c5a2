// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "BatchFields.h"
#include "ChartTypes.h"
#include "InputFields.h"

// One chart case of the command-line tool, checked as the window's fields
// would keep it: the date DD.MM.YYYY (four year digits) exists within years
// 1..5000, hour 0..23, minute 0..59, correction -23..23, degrees 0..179,
// minutes 0..59, hemisphere E or W.

struct ChartRequest {
    std::optional<ChartInput> Input;
    std::string Error; // one line naming the field and the value
};

// From the argument forms DD.MM.YYYY, HH:MM, a correction and DDD:MM{E|W}.
// The correction is whole hours ("4", "-5") or an exact offset ("5:30",
// "-9:30", "2:30:17").
ChartRequest ParseRequest(std::string_view date, std::string_view time, std::string_view correction,
                          std::string_view longitude);

// From the fields of a batch line, DD.MM.YYYY,HH:MM,CORR,DDD:MM,H; a line
// of another count of fields is an error naming it.
ChartRequest ParseCsvFields(const BatchFields &fields);

// From the five fields of a batch line, each checked as ParseCsvFields does.
ChartRequest ParseFields(std::string_view date, std::string_view time, std::string_view correction,
                         std::string_view longitude, std::string_view hemisphere);

// The case as a batch line, zero-filled: "01.01.2000,12:00,0,000:00,E"; an
// exact offset as "5:30".
std::string CsvLineOf(const ChartInput &input);

// The window's defaults: correction 05 and longitude 060:36E.
inline const std::string DefaultCorrection = SpecOf(InputFields::Correction).Default;
inline const std::string DefaultLongitude =
    std::string(SpecOf(InputFields::Degrees).Default) + ':' + SpecOf(InputFields::Minutes).Default + 'E';
