// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "CityCache.h"
#include "IndexedCity.h"

// The cities of libgeonames with their search keys: read from the index
// installed with the program (installedIndex) or else from the cache file in
// cacheFolder, whichever was made from the libgeonames and the catalog
// installed now; else loaded from libgeonames and written to the cache for
// the next run (a folder or file that cannot be written only costs that time
// again). An empty path leaves that source out.
std::vector<IndexedCity> LoadIndexedCities(const QString &cacheFolder, const QString &installedIndex);

// The index made at build time from the build machine's libgeonames:
// "cities.bin" in the program's installed data folder.
QString InstalledCityIndex();

// The program's folder of the user's cache: "$XDG_CACHE_HOME/velmora",
// "~/.cache/velmora" by default; empty when there is no cache location (no
// cache is then read or written).
QString CityCacheFolder();

// The stamp of the libgeonames library and catalog installed now; nothing
// when the library file is not where the build found it.
std::optional<CacheStamp> GeonamesStamp();
