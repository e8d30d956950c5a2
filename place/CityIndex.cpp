#include "CityIndex.h"

#include <algorithm>
#include <optional>

#include "GeonamesCities.h"
#include "SearchKey.h"

namespace {

struct Hit {
    MatchRank Rank;
    const City *Place;
};

bool Before(const Hit &a, const Hit &b)
{
    if (a.Rank != b.Rank)
        return a.Rank < b.Rank;
    if (a.Place->Population != b.Place->Population)
        return a.Place->Population > b.Place->Population;
    return a.Place->Name < b.Place->Name;
}

std::optional<MatchRank> Better(std::optional<MatchRank> a, std::optional<MatchRank> b)
{
    if (!a)
        return b;
    if (!b)
        return a;
    return std::min(*a, *b);
}

} // namespace

CityIndex::CityIndex(std::vector<City> cities)
    : m_cities(std::move(cities))
{
    m_keys.reserve(m_cities.size());
    for (const City &city : m_cities)
        m_keys.push_back({SearchKey(city.Name), SearchKey(city.LatinName)});
}

const CityIndex &CityIndex::Shared()
{
    static const CityIndex index(LoadGeonamesCities(RussianGeonamesCatalog()));
    return index;
}

std::vector<const City *> CityIndex::Find(const QString &query, std::size_t limit) const
{
    const QString key = SearchKey(query);
    std::vector<Hit> hits;
    for (std::size_t i = 0; i < m_cities.size(); ++i)
        if (const auto rank = Better(Match(m_keys[i].Name, key), Match(m_keys[i].Latin, key)))
            hits.push_back({*rank, &m_cities[i]});
    const std::size_t kept = std::min(limit, hits.size());
    std::partial_sort(hits.begin(), hits.begin() + std::ptrdiff_t(kept), hits.end(), Before);
    std::vector<const City *> found;
    found.reserve(kept);
    for (std::size_t i = 0; i < kept; ++i)
        found.push_back(hits[i].Place);
    return found;
}
