// SPDX-License-Identifier: AGPL-3.0-or-later
#include "PresentClock.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

PresentMinute MinuteOf(const QDateTime &clock)
{
    const QDate date = clock.date();
    const QTime time = clock.time();
    return {{date.year(), date.month(), date.day()}, time.hour(), time.minute(), clock.offsetFromUtc()};
}

} // namespace

PresentMinute PresentInZone(const QByteArray &zone)
{
    return MinuteOf(QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(zone)));
}

PresentMinute PresentAtOffset(std::int32_t offsetSeconds)
{
    return MinuteOf(QDateTime::currentDateTimeUtc().toOffsetFromUtc(offsetSeconds));
}

CalendarDate LocalToday()
{
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}
