// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One client of the practitioner: who, and the birth moment as the window's
// fields hold it, so that a stored client always gives a chart.
struct Client {
    qint64 Id = 0;      // the file's number for the client, from 1, never reused; 0 before it is stored
    QString Name;       // 1..200 characters after trimming, one line
    QString Sex;        // "м", "ж" or empty
    QString Date;       // "DD.MM.YYYY", a date that exists in years 0001..5000
    QString Time;       // "HH:MM", 00:00..23:59, the local clock
    QString Correction; // the clock's offset: whole hours "-23".."23" ("5", "+3", "-05"), or exact
                        // "H:MM" or "H:MM:SS" ("5:30", "-9:30", "2:30:17") up to 23 hours; empty with a zone
    QString Zone;       // an IANA zone the system's zone data knows ("Europe/Moscow"); empty with a correction
    QString Place; // the place's label ("Казань, Республика Татарстан, Россия"), up to 200 characters, one line
    qint64 GeonamesId = 0; // the place's GeoNames id; 0 for none
    QString Longitude;     // "DDD:MM": degrees 000..179, minutes of arc 00..59
    QString Hemisphere;    // "E" or "W"
    QString Notes;         // free text, line breaks included, up to 65,536 bytes of UTF-8
    QDateTime Created;     // UTC, whole seconds; set by the file when the client is added
    QDateTime Changed;     // UTC, whole seconds; set by the file on every change

    bool operator==(const Client &) const = default;
};

// Longest name and place, in characters (Unicode code points), and the
// longest notes, in bytes of UTF-8.
inline constexpr int MaxNameLength = 200;
inline constexpr int MaxPlaceLength = 200;
inline constexpr int MaxNotesBytes = 65536;

// What is wrong with a client's fields: the first fault found, in the order
// of the fields, with the offending text.
struct ClientProblem {
    enum class Kind {
        None,
        NoName,             // empty after trimming
        LongName,           // more than MaxNameLength characters
        NameNotOneLine,     // a line break or another control character
        Sex,                // not "м", "ж" or empty
        DateForm,           // not DD.MM.YYYY
        YearRange,          // outside 0001..5000
        NoSuchDate,         // 31.02, 29.02 of a common year
        TimeForm,           // not HH:MM
        TimeRange,          // hour over 23 or minute over 59
        NoCorrectionOrZone, // neither given
        CorrectionAndZone,  // both given
        CorrectionForm,     // not H, H:MM or H:MM:SS
        CorrectionRange,    // more than 23 hours either way
        UnknownZone,        // not a zone name the system's zone data knows
        LongitudeForm,      // not DDD:MM
        LongitudeRange,     // degrees over 179 or minutes over 59
        Hemisphere,         // not "E" or "W"
        LongPlace,          // over MaxPlaceLength characters, or not one line
        GeonamesId,         // negative
        LongNotes,          // over MaxNotesBytes bytes
    };
    Kind Type = Kind::None;
    QString Value; // the field's text, for the message

    explicit operator bool() const { return Type != Kind::None; }
};

// The name as it is stored: without blanks at either end.
// The client with the birth data of another (date, time, correction or
// zone and place, longitude): a stored client given a chart's data.
Client WithBirthOf(Client client, const Client &birth);

// The seconds east of Universal Time of a correction as a client keeps it
// ("5", "+3", "-05", "5:30", "-9:30", "2:30:17"); nothing for another form.
// The range is not checked.
std::optional<int> CorrectionSeconds(const QString &text);

QString TidyName(const QString &name);

// The first fault of the client's fields; Kind::None for a client that can
// be stored. The name is taken as TidyName gives it; Id, Created and Changed
// are not looked at.
ClientProblem CheckClient(const Client &client);

// The fault in words, in the chosen language: `date "31.02.2000" does not exist`.
QString ClientProblemText(const ClientProblem &problem);
