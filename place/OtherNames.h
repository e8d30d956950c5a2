// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Other names of cities: the Soviet names on birth certificates (Ленинград,
// Свердловск, Алма-Ата), older and colloquial names, and Latin or Ukrainian
// spellings the city database lacks (Kiev, Київ, Калькутта).
struct OtherName {
    QString Name;             // "Ленинград"
    std::uint32_t CityId = 0; // GeoNames id of the city that bears it now
};

// The table file: UTF-8 lines "name<TAB>GeoNames id<TAB>note", "#" comment
// lines and blank lines. A missing or unreadable file gives no names; a line
// without a name or a valid id is skipped.
std::vector<OtherName> LoadOtherNames(const QString &path);

// The table installed with the program: the data folder found from the
// folder of the running program, the same relative way in the build tree.
QString InstalledOtherNamesPath();
