// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "ClockOffset.h"

// The place a chart's correction follows: a city, whose zone gives the
// clock's offset for each local date and time, or a client's exact
// correction, a place of one offset. It remembers the offset last taken,
// for its caption, and keeps its label and zone from one run to the next.
class ActivePlace
{
public:
    // A city: "Казань, Республика Татарстан, Россия", "Europe/Moscow".
    ActivePlace(QString label, QByteArray zone, int offsetSeconds = 0);
    // An exact correction that no zone gives: "+5:30", "+2:30:17".
    static ActivePlace OfOffset(int offsetSeconds);

    const QString &Label() const { return m_label; }
    // Empty for a place of one offset.
    const QByteArray &Zone() const { return m_zone; }
    int OffsetSeconds() const { return m_offsetSeconds; }
    // The city alone: "Казань".
    QString Name() const;
    // "Казань, +4", "Калькутта, +5:30", "Москва, +2:30:17, местное время".
    QString Caption() const;

    // The clock's offset here at a local date and time. A place of one
    // offset needs no time; a zone does, and without one gives nothing.
    std::optional<ClockOffset> OffsetAt(QDate date, std::optional<QTime> time) const;
    // The offset a calculation or the user's choice took.
    void Take(int offsetSeconds) { m_offsetSeconds = offsetSeconds; }

    // The stored values (name, text) that keep the place: its label and
    // zone, both empty when there is none. A place of one offset is not
    // restored (it has no zone): the correction field keeps its hours.
    using StoredValues = std::vector<std::pair<QString, QString>>;
    static StoredValues ToStore(const std::optional<ActivePlace> &place);
    // The place those values keep, read by name; nothing when none was
    // kept or the system's zone data no longer knows the zone.
    static std::optional<ActivePlace> Restored(const std::function<QString(const QString &name)> &read);

private:
    QString m_label;
    QByteArray m_zone;
    int m_offsetSeconds = 0;
};
