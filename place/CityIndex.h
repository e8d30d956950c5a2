// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

#include "CityHit.h"
#include "IndexedCity.h"
#include "OtherNames.h"

// The cities with their names in search form, built once, so that a query
// is one pass over short prepared strings (a few milliseconds for the whole
// database) instead of a pass that folds every name anew.
class CityIndex
{
public:
    // Other names of cities that are not among the cities are left out.
    CityIndex(std::vector<IndexedCity> cities, const std::vector<OtherName> &otherNames);

    // The index of every libgeonames city with the installed table of other
    // names, made on first use from the user's cache (see CitySource) and
    // kept for the life of the process.
    static const CityIndex &Shared();

    // Cities whose Russian, Latin or other name contains the query (see
    // SearchKey and ParseCityQuery; a region or country after a comma must
    // match too), at most limit of them: whole and other names first, then
    // names that start with the query, then names with a word that does,
    // then the rest; within each, the larger population first. No query, no
    // cities.
    std::vector<CityHit> Find(const QString &query, std::size_t limit) const;

    // The city of a GeoNames id, or null.
    const City *WithId(std::uint32_t id) const;
    std::size_t Size() const { return m_cities.size(); }

private:
    struct Other {
        QString Key;
        QString Name;
        std::size_t City;
    };

    std::vector<std::pair<std::size_t, CityHit>> OtherHits(const CityQuery &query) const;

    std::vector<IndexedCity> m_cities;
    std::vector<Other> m_others;
};
