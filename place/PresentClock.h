// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>

#include "ChartTypes.h"

// The present minute as a clock shows it: the clock of a time zone, or one
// running a fixed offset ahead of Universal Time.
struct PresentMinute {
    CalendarDate Date;
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t OffsetSeconds = 0; // the clock's offset now
};

// zone must be one the zone data knows (checked before: Qt is never handed
// an arbitrary name).
PresentMinute PresentInZone(const QByteArray &zone);
PresentMinute PresentAtOffset(std::int32_t offsetSeconds);

// The date on the computer's own clock: the day a report is made on.
CalendarDate LocalToday();
