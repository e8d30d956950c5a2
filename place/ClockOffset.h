// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

// The clock's offset from Universal Time in a time zone at a local date and
// time, from the system's zone data (tzdata, through QTimeZone): summer time,
// zone changes and the local mean time of old dates included.
struct ClockOffset {
    enum class Kind {
        Whole,       // one offset, whole hours: the normal case
        NotWhole,    // one offset with minutes or seconds: +5:30, local mean time
        Skipped,     // the local time never happened: clocks moved forward over it
        Doubled,     // the local time happened twice: clocks moved back over it
        UnknownZone, // the system's zone data does not know the zone
    };
    Kind Type = Kind::UnknownZone;
    // Seconds east of Universal Time. One offset for Whole and NotWhole; for
    // Skipped and Doubled the offset before the change, then the one after
    // it (for Doubled, the order in which the local time happened).
    std::vector<int> Seconds;
};

ClockOffset OffsetAt(const QByteArray &zone, QDate date, QTime time);

// Whether the system's zone data knows the zone: OffsetAt gives an offset
// for it at every date.
bool IsKnownZone(const QByteArray &zone);

// A clock that keeps one offset: Whole or NotWhole.
ClockOffset OneOffset(int seconds);

// For a skipped or doubled local time, which offset counts: the one in force
// before the clocks were moved (Earlier) or after it (Later); None leaves it
// undecided.
enum class Fold { None, Earlier, Later };

// The offset in seconds the local time takes: its only one, or for a skipped
// or doubled time the one fold names; nothing for an unknown zone, or for a
// skipped or doubled time with Fold::None.
std::optional<int> ChosenOffset(const ClockOffset &offset, Fold fold);

// Whether an offset is a town's mean solar time rather than a zone's
// standard time: the former is no whole number of quarter hours.
bool IsMeanTime(int seconds);

// "+4", "-3", "+0", "+5:30", "+2:30:17".
QString OffsetText(int seconds);

// The offsets joined by separator: "+4 или +3".
QString OffsetsText(const std::vector<int> &seconds, const QString &separator);
