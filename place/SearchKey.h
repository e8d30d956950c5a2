// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// How typed text meets a city's name: both are brought to one search form,
// then matched as a whole, at the start, at the start of a word or anywhere.

// Lower case, accents and other combining marks dropped (so "ё" is "е" and
// "ó" is "o"), apostrophes dropped, hyphens as blanks, blanks squeezed and
// trimmed: "Kazan’" gives "kazan", "Ростов-на-Дону" gives "ростов на дону".
QString SearchKey(const QString &text);

// Match quality of a search-form query in a search-form name, best first.
enum class MatchRank { Whole, Start, WordStart, Inside };

// Nothing when the name does not contain the query; an empty query matches
// nothing.
std::optional<MatchRank> Match(const QString &name, const QString &query);

// A query "город, регион" or "город, страна" in search form: the name before
// the first comma, and each part after a comma, which the region or the
// country must have at the start of a word. "Заречный, Пензенская" gives
// "заречный" and {"пензенская"}; empty parts are dropped.
struct CityQuery {
    QString Name;
    QStringList Places;
};
CityQuery ParseCityQuery(const QString &text);
