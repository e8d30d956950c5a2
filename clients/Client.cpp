// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Client.h"

#include <QDate>

#include <cstdlib>
#include <QStringList>
#include <QTime>

#include "ClockOffset.h"
#include "Gregorian.h"
#include "InputFields.h"
#include "Translation.h"

#include <optional>

namespace {

using Kind = ClientProblem::Kind;

// Exactly width ASCII digits, as the window's zero-filled fields hold them.
std::optional<int> Digits(QStringView text, qsizetype width)
{
    if (text.size() != width)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// The digits at a field's width, split at separator: "15.07.1985" at '.'
// with widths {2, 2, 4}.
std::optional<std::vector<int>> Fields(const QString &text, QChar separator, std::initializer_list<qsizetype> widths)
{
    const QStringList parts = text.split(separator);
    if (std::size_t(parts.size()) != widths.size())
        return std::nullopt;
    std::vector<int> values;
    for (qsizetype i = 0; const qsizetype width : widths) {
        const auto value = Digits(parts[i++], width);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

bool IsLineBreakOrControl(QChar c) { return c.category() == QChar::Other_Control || c == u'\u2028' || c == u'\u2029'; }

bool IsOneLine(const QString &text) { return std::none_of(text.begin(), text.end(), IsLineBreakOrControl); }

qsizetype Characters(const QString &text) { return text.toUcs4().size(); }

ClientProblem CheckName(const QString &name)
{
    if (name.isEmpty())
        return {Kind::NoName, name};
    if (Characters(name) > MaxNameLength)
        return {Kind::LongName, name};
    if (!IsOneLine(name))
        return {Kind::NameNotOneLine, name};
    return {};
}

ClientProblem CheckDate(const QString &text, QDate &date)
{
    const auto parts = Fields(text, u'.', {2, 2, 4});
    if (!parts)
        return {Kind::DateForm, text};
    const int day = (*parts)[0], month = (*parts)[1], year = (*parts)[2];
    if (year < SpecOf(InputFields::Year).Low || year > SpecOf(InputFields::Year).High)
        return {Kind::YearRange, text};
    if (!DateExists(year, month, day))
        return {Kind::NoSuchDate, text};
    date = QDate(year, month, day);
    return {};
}

ClientProblem CheckTime(const QString &text, QTime &time)
{
    const auto parts = Fields(text, u':', {2, 2});
    if (!parts)
        return {Kind::TimeForm, text};
    if ((*parts)[0] > SpecOf(InputFields::Hour).High || (*parts)[1] > SpecOf(InputFields::Minute).High)
        return {Kind::TimeRange, text};
    time = QTime((*parts)[0], (*parts)[1]);
    return {};
}

// Whole hours with an optional sign and one or two digits; an exact offset
// adds two-digit minutes and seconds, as the tool's --correction takes it.
ClientProblem CheckCorrection(const QString &text)
{
    const std::optional<int> seconds = CorrectionSeconds(text);
    if (!seconds)
        return {Kind::CorrectionForm, text};
    if (std::abs(*seconds) > SpecOf(InputFields::Correction).High * 3600)
        return {Kind::CorrectionRange, text};
    return {};
}

// The zone is looked up the way the chart looks it up (ClockOffset), so a
// stored zone is one the chart can use: names of the zone data's own index,
// links such as "Asia/Calcutta" included, and no text that Qt would read as
// a path or a POSIX rule.
ClientProblem CheckZone(const QString &zone, QDate date, QTime time)
{
    if (OffsetAt(zone.toUtf8(), date, time).Type == ClockOffset::Kind::UnknownZone)
        return {Kind::UnknownZone, zone};
    return {};
}

ClientProblem CheckLongitude(const QString &longitude, const QString &hemisphere)
{
    const auto parts = Fields(longitude, u':', {3, 2});
    if (!parts)
        return {Kind::LongitudeForm, longitude};
    if ((*parts)[0] > SpecOf(InputFields::Degrees).High || (*parts)[1] > SpecOf(InputFields::Minutes).High)
        return {Kind::LongitudeRange, longitude};
    if (hemisphere != u"E" && hemisphere != u"W")
        return {Kind::Hemisphere, hemisphere};
    return {};
}

ClientProblem CheckClock(const Client &client, QDate date, QTime time)
{
    if (client.Correction.isEmpty() && client.Zone.isEmpty())
        return {Kind::NoCorrectionOrZone, {}};
    if (!client.Correction.isEmpty() && !client.Zone.isEmpty())
        return {Kind::CorrectionAndZone, client.Correction + u' ' + client.Zone};
    return client.Zone.isEmpty() ? CheckCorrection(client.Correction) : CheckZone(client.Zone, date, time);
}

ClientProblem CheckRest(const Client &client)
{
    if (Characters(client.Place) > MaxPlaceLength || !IsOneLine(client.Place))
        return {Kind::LongPlace, client.Place};
    if (client.GeonamesId < 0)
        return {Kind::GeonamesId, QString::number(client.GeonamesId)};
    if (client.Notes.toUtf8().size() > MaxNotesBytes)
        return {Kind::LongNotes, {}};
    return {};
}

} // namespace

QString TidyName(const QString &name) { return name.trimmed(); }

Client WithBirthOf(Client client, const Client &birth)
{
    client.Date = birth.Date;
    client.Time = birth.Time;
    client.Correction = birth.Correction;
    client.Zone = birth.Zone;
    client.Place = birth.Place;
    client.GeonamesId = birth.GeonamesId;
    client.Longitude = birth.Longitude;
    client.Hemisphere = birth.Hemisphere;
    return client;
}

std::optional<int> CorrectionSeconds(const QString &text)
{
    const QStringList parts = text.split(u':');
    QStringView hours = parts.front();
    const bool west = hours.startsWith(u'-');
    if (west || hours.startsWith(u'+'))
        hours = hours.mid(1);
    const auto whole = hours.size() == 1 ? Digits(hours, 1) : Digits(hours, 2);
    if (!whole || parts.size() > 3)
        return std::nullopt;
    int seconds = *whole * 3600;
    for (qsizetype i = 1, scale = 60; i < parts.size(); ++i, scale /= 60) {
        const auto part = Digits(parts[i], 2);
        if (!part || *part > 59)
            return std::nullopt;
        seconds += *part * int(scale);
    }
    return west ? -seconds : seconds;
}

ClientProblem CheckClient(const Client &client)
{
    QDate date;
    QTime time;
    if (auto problem = CheckName(TidyName(client.Name)))
        return problem;
    if (!client.Sex.isEmpty() && client.Sex != u"м" && client.Sex != u"ж")
        return {Kind::Sex, client.Sex};
    if (auto problem = CheckDate(client.Date, date))
        return problem;
    if (auto problem = CheckTime(client.Time, time))
        return problem;
    if (auto problem = CheckClock(client, date, time))
        return problem;
    if (auto problem = CheckLongitude(client.Longitude, client.Hemisphere))
        return problem;
    return CheckRest(client);
}

QString ClientProblemText(const ClientProblem &problem)
{
    const QString &value = problem.Value;
    switch (problem.Type) {
    case Kind::None:
        break;
    case Kind::NoName:
        return Translate("Clients", "the name is empty");
    case Kind::LongName:
        return Translate("Clients", "the name is longer than %1 characters").arg(MaxNameLength);
    case Kind::NameNotOneLine:
        return Translate("Clients", "the name \"%1\" is not one line").arg(value.simplified());
    case Kind::Sex:
        return Translate("Clients", "sex \"%1\" is not м, ж or empty").arg(value);
    case Kind::DateForm:
        return Translate("Clients", "date \"%1\" is not DD.MM.YYYY").arg(value);
    case Kind::YearRange:
        return Translate("Clients", "the year of date \"%1\" is outside 0001..5000").arg(value);
    case Kind::NoSuchDate:
        return Translate("Clients", "date \"%1\" does not exist").arg(value);
    case Kind::TimeForm:
        return Translate("Clients", "time \"%1\" is not HH:MM").arg(value);
    case Kind::TimeRange:
        return Translate("Clients", "time \"%1\" is outside 00:00..23:59").arg(value);
    case Kind::NoCorrectionOrZone:
        return Translate("Clients", "neither a correction nor a zone is given");
    case Kind::CorrectionAndZone:
        return Translate("Clients", "both a correction and a zone are given (%1); one of them is needed").arg(value);
    case Kind::CorrectionForm:
        return Translate("Clients", "correction \"%1\" is not H, H:MM or H:MM:SS").arg(value);
    case Kind::CorrectionRange:
        return Translate("Clients", "correction \"%1\" is outside -23..23 hours").arg(value);
    case Kind::UnknownZone:
        return Translate("Clients", "zone \"%1\" is not a time zone of the system's zone data").arg(value);
    case Kind::LongitudeForm:
        return Translate("Clients", "longitude \"%1\" is not DDD:MM").arg(value);
    case Kind::LongitudeRange:
        return Translate("Clients", "longitude \"%1\" is outside 000:00..179:59").arg(value);
    case Kind::Hemisphere:
        return Translate("Clients", "hemisphere \"%1\" is not E or W").arg(value);
    case Kind::LongPlace:
        return Translate("Clients", "the place is longer than %1 characters or not one line").arg(MaxPlaceLength);
    case Kind::GeonamesId:
        return Translate("Clients", "GeoNames id %1 is negative").arg(value);
    case Kind::LongNotes:
        return Translate("Clients", "the notes are longer than %1 bytes").arg(MaxNotesBytes);
    }
    return {};
}
