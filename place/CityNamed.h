// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

#include "CityIndex.h"

// The city a query names, for a tool that cannot ask which one was meant: a
// whole name or other name of a city (the most populous of namesakes, or of
// those in the region or country after a comma), else nothing and an error
// that lists up to five nearest cities:
// no place is named "Ленинградск"; did you mean: "Ленинградская, Краснодарский край, Россия"; …
struct NamedCity {
    const City *Found = nullptr;
    QString Error; // one line; empty when a city was found
};

NamedCity CityNamed(const CityIndex &index, const QString &query);
