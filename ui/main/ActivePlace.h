// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The place the window's correction follows: its zone gives the clock's
// offset for the date and time in the fields at each calculation.
struct ActivePlace {
    QString Label;         // "Казань, Республика Татарстан, Россия"
    QByteArray Zone;       // "Europe/Moscow"; empty for a fixed offset (a client's exact correction)
    int OffsetSeconds = 0; // the offset of the last calculation or choice

    // The city alone: "Казань".
    QString Name() const { return Label.section(QStringLiteral(", "), 0, 0); }
    // The window's label: "Казань, +4", "Калькутта, +5:30", "Москва, +2:30:17,
    // местное время".
    QString Caption() const;
};
