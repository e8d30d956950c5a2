// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>

// The eight input fields of a chart, one table for the window, the
// command-line tool and the tests: the edit field's object name, the width
// its text is zero-filled to (also its maximum length), the range its rules
// and spin buttons keep, and for the place fields the stored setting and the
// text used when the setting is absent.
struct InputFields {
    enum Field { Day, Month, Year, Hour, Minute, Correction, Degrees, Minutes, FieldCount };
};

struct InputFieldSpec {
    const char *ObjectName;
    int Width;     // characters
    int Low, High; // values: days, months, years, hours, minutes, hours of correction, degrees, minutes
    const char *SettingKey = nullptr;
    const char *Default = nullptr;
};

inline constexpr std::array<InputFieldSpec, InputFields::FieldCount> InputFieldSpecs{{
    {"ClientDay", 2, 1, 31},
    {"ClientMonth", 2, 1, 12},
    {"ClientYear", 4, 1, 5000},
    {"ClientHour", 2, 0, 23},
    {"ClientMinute", 2, 0, 59},
    {"ClientTime", 2, -23, 23, "sd", "05"},
    {"ClientDolgotaG", 3, 0, 179, "dg", "060"},
    {"ClientDolgotaM", 2, 0, 59, "dm", "36"},
}};

constexpr const InputFieldSpec &SpecOf(InputFields::Field field) { return InputFieldSpecs[field]; }
