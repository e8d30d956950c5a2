// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "City.h"
#include "SearchKey.h"

// One city found by a query, and how the query met its names.
struct CityHit {
    const City *Place = nullptr;
    MatchRank Rank = MatchRank::Inside;
    QString OtherName; // the other name that matched ("Ленинград"); empty when one of the city's own did

    // "Ленинград → Санкт-Петербург, Россия", or the city's label.
    QString Text() const;
    // The query is the city's whole name or one of its other names.
    bool NamesCity() const { return Rank == MatchRank::Whole; }
    // That, or a name that starts with the query: likely the city meant.
    bool Likely() const { return Rank <= MatchRank::Start; }
};

// The texts of the hits in their order; hits that would read the same get
// their coordinates: "Заречный, Пензенская область, Россия (53.20° с. ш.,
// 45.19° в. д.)".
QStringList HitTexts(const std::vector<CityHit> &hits);
