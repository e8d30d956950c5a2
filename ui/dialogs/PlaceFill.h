#pragma once

#include <QString>

#include <optional>

#include "LongitudeArc.h"

struct City;

// What applying a city writes into the window's fields, decided from the
// date and time texts in the fields, and what the user is told.
struct PlaceFill {
    // Nothing when the fields hold no valid date and time: then nothing is
    // written at all.
    std::optional<LongitudeArc> Longitude;
    // The correction in whole hours, when the clock's offset at that local
    // moment is one whole number of hours.
    std::optional<int> Correction;
    // Why something was left as it was; empty when everything was written.
    QString Message;
};

PlaceFill FillFor(const City &city, const QString &day, const QString &month, const QString &year, const QString &hour,
                  const QString &minute);
