// SPDX-License-Identifier: AGPL-3.0-or-later
#include "CitySource.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>

#include "DataFolder.h"
#include "GeonamesCities.h"
#include "UserFolder.h"

namespace {

std::pair<qint64, qint64> SizeAndTime(const QString &path)
{
    const QFileInfo file(path);
    return {file.size(), file.exists() ? file.lastModified().toMSecsSinceEpoch() : 0};
}

std::vector<IndexedCity> IndexedGeonamesCities()
{
    std::vector<City> cities = LoadGeonamesCities(RussianGeonamesCatalog());
    std::vector<IndexedCity> indexed;
    indexed.reserve(cities.size());
    for (City &city : cities)
        indexed.push_back(Indexed(std::move(city)));
    return indexed;
}

} // namespace

std::vector<IndexedCity> LoadIndexedCities(const QString &cacheFolder, const QString &installedIndex)
{
    const std::optional<CacheStamp> stamp = GeonamesStamp();
    if (stamp && !installedIndex.isEmpty())
        if (auto installed = ReadCityCache(installedIndex, *stamp))
            return std::move(*installed);
    const QString path = cacheFolder + QStringLiteral("/cities.bin");
    const bool cached = stamp && !cacheFolder.isEmpty();
    if (cached)
        if (auto fromCache = ReadCityCache(path, *stamp))
            return std::move(*fromCache);
    std::vector<IndexedCity> cities = IndexedGeonamesCities();
    if (cached && !cities.empty() && MakeUserFolder(cacheFolder))
        WriteCityCache(path, *stamp, cities);
    return cities;
}

// libgeonames carries its cities inside the library file itself.
std::optional<CacheStamp> GeonamesStamp()
{
    const QString library = QStringLiteral(VELMORA_GEONAMES_LIBRARY);
    if (!QFileInfo(library).isFile())
        return std::nullopt;
    const auto [librarySize, libraryTime] = SizeAndTime(library);
    const auto [catalogSize, catalogTime] = SizeAndTime(RussianGeonamesCatalogPath());
    return CacheStamp{librarySize, libraryTime, catalogSize, catalogTime};
}

QString InstalledCityIndex() { return InstalledDataFolder() + QStringLiteral("/cities.bin"); }

QString CityCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? cache : cache + QStringLiteral("/velmora");
}
