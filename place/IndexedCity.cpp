// SPDX-License-Identifier: AGPL-3.0-or-later
#include "IndexedCity.h"

#include "SearchKey.h"

IndexedCity Indexed(City city)
{
    const QString nameKey = SearchKey(city.Name);
    const QString latinKey = SearchKey(city.LatinName);
    return {std::move(city), nameKey, latinKey};
}
