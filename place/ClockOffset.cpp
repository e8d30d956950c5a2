// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ClockOffset.h"

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTimeZone>

#include "TimeScale.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr qint64 Day = 24 * 3600;

int OffsetAtInstant(const QTimeZone &zone, qint64 secondsSinceEpoch)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC));
}

// The offsets in force a day either side of the local time, in time order.
// Every offset lies within a day of Universal Time, so any instant whose
// local time this is falls in that span; zones do not change twice in it.
std::vector<int> NearbyOffsets(const QTimeZone &zone, qint64 local)
{
    std::vector<int> offsets;
    for (const qint64 probe : {local - Day, local, local + Day}) {
        const int offset = OffsetAtInstant(zone, probe);
        if (std::find(offsets.begin(), offsets.end(), offset) == offsets.end())
            offsets.push_back(offset);
    }
    return offsets;
}

// IANA names are words of letters, digits, "_", "-" and "+" joined by "/".
// Qt reads a name as a path under the zone data, or as any file path, so
// nothing else may reach it.
bool IsZoneName(const QByteArray &name)
{
    if (name.isEmpty() || name.size() > 64)
        return false;
    for (const QByteArray &word : name.split('/')) {
        if (word.isEmpty() || word.startsWith('.'))
            return false;
        for (const char c : word)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '+')
                return false;
    }
    return true;
}

// Every zone and link that the system's zone database lists, from tzdata's
// own index of them ("Z NAME ..." and "L TARGET NAME" lines), with the names
// Qt lists. Qt itself would take a POSIX rule ("MSK-3", "XYZ-99") or any
// word ("MSK" as Universal Time) for a zone: no place's clock.
const QSet<QByteArray> &DatabaseZoneNames()
{
    static const QSet<QByteArray> names = [] {
        const QList<QByteArray> listed = QTimeZone::availableTimeZoneIds();
        QSet<QByteArray> found(listed.begin(), listed.end());
        QFile index(QStringLiteral("/usr/share/zoneinfo/tzdata.zi"));
        if (!index.open(QIODevice::ReadOnly))
            return found;
        while (!index.atEnd()) {
            const QByteArray line = index.readLine();
            if (!line.startsWith("Z ") && !line.startsWith("L "))
                continue;
            const QList<QByteArray> words = line.simplified().split(' ');
            const qsizetype name = line.startsWith('L') ? 2 : 1;
            if (words.size() > name)
                found.insert(words[name]);
        }
        return found;
    }();
    return names;
}

} // namespace

bool IsKnownZone(const QByteArray &zoneName)
{
    return IsZoneName(zoneName) && DatabaseZoneNames().contains(zoneName) && QTimeZone(zoneName).isValid();
}

ClockOffset OneOffset(int seconds)
{
    return {seconds % 3600 == 0 ? ClockOffset::Kind::Whole : ClockOffset::Kind::NotWhole, {seconds}};
}

ClockOffset OffsetAt(const QByteArray &zoneName, QDate date, QTime time)
{
    if (!IsKnownZone(zoneName))
        return {};
    const QTimeZone zone(zoneName);
    // The local time read as if it were Universal Time; the instant it names
    // under an offset is that minus the offset.
    const qint64 local = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    const std::vector<int> nearby = NearbyOffsets(zone, local);
    std::vector<int> fitting;
    for (const int offset : nearby)
        if (OffsetAtInstant(zone, local - offset) == offset)
            fitting.push_back(offset);
    if (fitting.empty())
        return {ClockOffset::Kind::Skipped, nearby};
    if (fitting.size() > 1)
        return {ClockOffset::Kind::Doubled, fitting};
    return OneOffset(fitting.front());
}

std::optional<int> ChosenOffset(const ClockOffset &offset, Fold fold)
{
    switch (offset.Type) {
    case ClockOffset::Kind::Whole:
    case ClockOffset::Kind::NotWhole:
        return offset.Seconds.front();
    case ClockOffset::Kind::Skipped:
    case ClockOffset::Kind::Doubled:
        if (fold == Fold::None)
            return std::nullopt;
        return fold == Fold::Earlier ? offset.Seconds.front() : offset.Seconds.back();
    case ClockOffset::Kind::UnknownZone:
        break;
    }
    return std::nullopt;
}

bool IsMeanTime(int seconds) { return seconds % 900 != 0; }

QString OffsetText(int seconds) { return QString::fromStdString(SignedOffsetText(seconds)); }

QString OffsetsText(const std::vector<int> &seconds, const QString &separator)
{
    QStringList texts;
    for (const int offset : seconds)
        texts.append(OffsetText(offset));
    return texts.join(separator);
}
