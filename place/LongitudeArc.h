// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// A longitude as the window's fields hold it: whole degrees 0..179, whole
// minutes of arc 0..59 and the hemisphere "E" or "W".
struct LongitudeArc {
    int Degrees = 0;
    int Minutes = 0;
    QString Hemisphere = QStringLiteral("E");
    bool operator==(const LongitudeArc &) const = default;
};

// Degrees east positive, to the nearest minute of arc (59.5' carries into
// the next degree). 180° cannot be entered, so a longitude that rounds to it
// gives 179°59', the nearest the fields can hold.
LongitudeArc ArcOf(double longitude);
