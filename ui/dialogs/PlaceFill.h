// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>

#include <optional>

#include "ClockOffset.h"
#include "LongitudeArc.h"

struct City;

// What applying a city writes into the window's fields, decided from the
// date and time texts in the fields, and what the user is told.
struct PlaceFill {
    // Nothing when the fields hold no valid date and time: then nothing is
    // written at all.
    std::optional<LongitudeArc> Longitude;
    // The clock's offset in the city's zone at that local moment.
    ClockOffset Offset;
    // Why the correction was left as it was (the zone is unknown), or why
    // nothing was written; empty otherwise.
    QString Message;
};

// The hour and minute texts as a time of the clock, or nothing.
std::optional<QTime> ReadClockTime(const QString &hour, const QString &minute);

PlaceFill FillFor(const City &city, const QString &day, const QString &month, const QString &year, const QString &hour,
                  const QString &minute);
