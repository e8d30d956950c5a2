// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SpanClock.h"

#include <QDateTime>
#include <QTimeZone>

#include "ChangeText.h"
#include "TimeScale.h"

SpanClock SpanClockAt(const ChartInput &input, const QByteArray &zone, std::int64_t laterSeconds)
{
    const std::int32_t entered = OffsetSecondsOf(input);
    const ClockTime fixed = ClockTimeAt(input, laterSeconds);
    if (zone.isEmpty())
        return {fixed, entered};
    const QDateTime instant(QDate(fixed.Date.Year, fixed.Date.Month, fixed.Date.Day),
                            QTime(fixed.Hour, fixed.Minute, fixed.Second), Qt::OffsetFromUTC, entered);
    const QDateTime local = instant.toTimeZone(QTimeZone(zone));
    const QDate date = local.date();
    const QTime time = local.time();
    return {{{date.year(), date.month(), date.day()}, time.hour(), time.minute(), time.second()},
            local.offsetFromUtc()};
}

std::string SpanClockText(const ChartInput &input, const SpanClock &clock)
{
    const std::string time = ClockTimeText(clock.Time);
    return clock.OffsetSeconds == OffsetSecondsOf(input) ? time : time + " " + SignedOffsetText(clock.OffsetSeconds);
}
