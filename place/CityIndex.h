#pragma once

#include <QString>

#include <vector>

#include "City.h"

// The cities with their names in search form, built once, so that a query
// is one pass over short prepared strings (a few milliseconds for the whole
// database) instead of a pass that folds every name anew.
class CityIndex
{
public:
    explicit CityIndex(std::vector<City> cities);

    // The index of every libgeonames city, built on first use and kept for
    // the life of the process.
    static const CityIndex &Shared();

    // Cities whose Russian or Latin name contains the query (see SearchKey),
    // at most limit of them: whole-name matches first, then names that start
    // with the query, then names with a word that does, then the rest; within
    // each, the larger population first. No query, no cities.
    std::vector<const City *> Find(const QString &query, std::size_t limit) const;

    std::size_t Size() const { return m_cities.size(); }

private:
    struct Keys {
        QString Name;
        QString Latin;
    };

    std::vector<City> m_cities;
    std::vector<Keys> m_keys;
};
