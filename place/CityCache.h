// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "IndexedCity.h"

// The city index kept in a file between runs, so that the first search of a
// run reads prepared names instead of loading libgeonames and folding every
// name anew.

// The sources the index was made from, sizes in bytes and modification
// times in milliseconds since 1970: a file made from other sources is stale.
struct CacheStamp {
    qint64 LibrarySize = 0;
    qint64 LibraryTime = 0;
    qint64 CatalogSize = 0;
    qint64 CatalogTime = 0;
    bool operator==(const CacheStamp &) const = default;
};

// Nothing when the file is missing, not a regular file, of another format or
// version, made from other sources, or damaged in any way: every count,
// length and value is checked, and the whole against its checksum.
std::optional<std::vector<IndexedCity>> ReadCityCache(const QString &path, const CacheStamp &stamp);

// Writes a new file renamed over the old one (a link of that name is
// replaced, not followed; anything but a file or a link is left alone).
// False when it could not be written.
bool WriteCityCache(const QString &path, const CacheStamp &stamp, const std::vector<IndexedCity> &cities);
