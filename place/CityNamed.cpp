// SPDX-License-Identifier: AGPL-3.0-or-later
#include "CityNamed.h"

#include "Translation.h"

namespace {

constexpr std::size_t Candidates = 5;

} // namespace

NamedCity CityNamed(const CityIndex &index, const QString &query)
{
    // No cities at all: the city library could not be loaded.
    if (index.Size() == 0)
        return {nullptr, Translate("CityNamed", "no city list to search (is libgeonames0 installed?)")};
    const std::vector<CityHit> hits = index.Find(query, Candidates);
    if (!hits.empty() && hits.front().NamesCity())
        return {hits.front().Place, {}};
    if (hits.empty())
        return {nullptr, Translate("CityNamed", "no place is named \"%1\"").arg(query)};
    QStringList quoted;
    for (const QString &text : HitTexts(hits))
        quoted.append(Translate("CityNamed", "\"%1\"").arg(text));
    return {nullptr,
            Translate("CityNamed", "no place is named \"%1\"; did you mean: %2").arg(query, quoted.join(u"; "))};
}
