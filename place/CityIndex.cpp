// SPDX-License-Identifier: AGPL-3.0-or-later
#include "CityIndex.h"

#include <QHash>

#include <algorithm>
#include <optional>

#include "CitySource.h"

namespace {

bool Before(const CityHit &a, const CityHit &b)
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

// Whether the city's region or country has each place of the query at the
// start of a word; the keys of the few regions and countries met are kept.
class PlaceFilter
{
public:
    explicit PlaceFilter(const QStringList &places)
        : m_places(places)
    { }
    bool Fits(const City &city)
    {
        return std::all_of(m_places.begin(), m_places.end(), [&](const QString &place) {
            return StartsWord(Key(city.Region), place) || StartsWord(Key(city.Country), place);
        });
    }

private:
    static bool StartsWord(const QString &name, const QString &place)
    {
        const auto rank = Match(name, place);
        return rank && *rank <= MatchRank::WordStart;
    }
    const QString &Key(const QString &name)
    {
        auto found = m_keys.find(name);
        if (found == m_keys.end())
            found = m_keys.insert(name, SearchKey(name));
        return *found;
    }

    const QStringList &m_places;
    QHash<QString, QString> m_keys;
};

} // namespace

CityIndex::CityIndex(std::vector<IndexedCity> cities, const std::vector<OtherName> &otherNames)
    : m_cities(std::move(cities))
{
    QHash<std::uint32_t, std::size_t> positions;
    for (std::size_t i = 0; i < m_cities.size(); ++i)
        positions.insert(m_cities[i].Place.Id, i);
    for (const OtherName &other : otherNames)
        if (const auto found = positions.constFind(other.CityId); found != positions.cend() && other.CityId != 0)
            m_others.push_back({SearchKey(other.Name), other.Name, *found});
}

const CityIndex &CityIndex::Shared()
{
    static const CityIndex index(LoadIndexedCities(CityCacheFolder(), InstalledCityIndex()),
                                 LoadOtherNames(InstalledOtherNamesPath()));
    return index;
}

const City *CityIndex::WithId(std::uint32_t id) const
{
    const auto found =
        std::find_if(m_cities.begin(), m_cities.end(), [id](const IndexedCity &city) { return city.Place.Id == id; });
    return found == m_cities.end() ? nullptr : &found->Place;
}

// The best other name of each city that one matches, in the order of the
// cities.
std::vector<std::pair<std::size_t, CityHit>> CityIndex::OtherHits(const CityQuery &query) const
{
    std::vector<std::pair<std::size_t, CityHit>> hits;
    for (const Other &other : m_others)
        if (const auto rank = Match(other.Key, query.Name))
            hits.push_back({other.City, {&m_cities[other.City].Place, *rank, other.Name}});
    std::sort(hits.begin(), hits.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first < b.first : a.second.Rank < b.second.Rank;
    });
    const auto sameCity = [](const auto &a, const auto &b) { return a.first == b.first; };
    hits.erase(std::unique(hits.begin(), hits.end(), sameCity), hits.end());
    return hits;
}

std::vector<CityHit> CityIndex::Find(const QString &text, std::size_t limit) const
{
    const CityQuery query = ParseCityQuery(text);
    const auto others = OtherHits(query);
    auto other = others.begin();
    PlaceFilter filter(query.Places);
    std::vector<CityHit> hits;
    for (std::size_t i = 0; i < m_cities.size(); ++i) {
        const CityHit *byOther = other != others.end() && other->first == i ? &(other++)->second : nullptr;
        const IndexedCity &city = m_cities[i];
        const auto own = Better(Match(city.NameKey, query.Name), Match(city.LatinKey, query.Name));
        if ((!own && !byOther) || !filter.Fits(city.Place))
            continue;
        // The city's own name, when it matches as well as another one.
        hits.push_back(own && (!byOther || *own <= byOther->Rank) ? CityHit{&city.Place, *own, {}} : *byOther);
    }
    const std::size_t kept = std::min(limit, hits.size());
    std::partial_sort(hits.begin(), hits.begin() + std::ptrdiff_t(kept), hits.end(), Before);
    hits.resize(kept);
    return hits;
}
