// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// One city of the database, with the names shown to the user in Russian
// where a Russian name is known and in the Latin spelling otherwise.
struct City {
    std::uint32_t Id = 0; // GeoNames id; 0 when the record carries none
    QString Name;         // "Казань"
    QString LatinName;    // "Kazan’"
    QString Region;       // first-level division: "Республика Татарстан"
    QString Country;      // "Россия"
    QByteArray Zone;      // IANA time-zone name: "Europe/Moscow"
    double Latitude = 0;  // degrees, north positive
    double Longitude = 0; // degrees, east positive, -180..180
    std::uint32_t Population = 0;

    // "Казань, Республика Татарстан, Россия", leaving out an empty region.
    QString Label() const;
    bool operator==(const City &) const = default;
};
