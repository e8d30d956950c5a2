// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include "City.h"

// A city with its names in search form (see SearchKey), prepared once for
// every query.
struct IndexedCity {
    City Place;
    QString NameKey;  // SearchKey(Place.Name)
    QString LatinKey; // SearchKey(Place.LatinName)
    bool operator==(const IndexedCity &) const = default;
};

IndexedCity Indexed(City city);
