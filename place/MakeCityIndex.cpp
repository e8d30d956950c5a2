// SPDX-License-Identifier: AGPL-3.0-or-later
// Makes the city index that is installed with the program, at build time,
// from the libgeonames of the build machine: a new user's first search then
// reads it instead of waiting for the index to be made.

#include <cstdio>

#include "CitySource.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const std::optional<CacheStamp> stamp = GeonamesStamp();
    const std::vector<IndexedCity> cities = LoadIndexedCities(QString(), QString());
    if (!stamp || cities.empty()) {
        std::fprintf(stderr, "%s: libgeonames gives no cities\n", argv[0]);
        return 1;
    }
    if (!WriteCityCache(QString::fromLocal8Bit(argv[1]), *stamp, cities)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
