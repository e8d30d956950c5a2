// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>
#include <string>

#include "ChartSpan.h"

// The clock readings of a span of charts. A span is real time around the
// entered moment; with a time zone each instant is read on that zone's
// clock, which may have been moved within the span (summer time), so a
// reading can carry another offset than the entered moment's.

struct SpanClock {
    ClockTime Time;
    std::int32_t OffsetSeconds = 0; // the clock's offset from Universal Time then
};

// The reading laterSeconds after the entered moment of input: on zone's
// clock (a zone the zone data knows, as checked before), or on the entered
// clock's own fixed offset when zone is empty.
SpanClock SpanClockAt(const ChartInput &input, const QByteArray &zone, std::int64_t laterSeconds);

// "31.03.1985 02:30:00", followed by the offset ("31.03.1985 01:30:00 +3")
// when it differs from the entered moment's.
std::string SpanClockText(const ChartInput &input, const SpanClock &clock);
