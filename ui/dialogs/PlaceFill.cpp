// SPDX-License-Identifier: AGPL-3.0-or-later
#include "PlaceFill.h"

#include "City.h"
#include "ClockOffset.h"
#include "FieldText.h"
#include "ChartErrorText.h"

std::optional<QTime> ReadClockTime(const QString &hour, const QString &minute)
{
    const auto h = ParseDecimal(hour.toStdString());
    const auto m = ParseDecimal(minute.toStdString());
    if (!h || !m || *h < 0 || *h > 23 || *m < 0 || *m > 59)
        return std::nullopt;
    return QTime(*h, *m);
}

PlaceFill FillFor(const City &city, const QString &day, const QString &month, const QString &year, const QString &hour,
                  const QString &minute)
{
    const auto date = ReadDateFields(day.toStdString(), month.toStdString(), year.toStdString());
    const auto time = ReadClockTime(hour, minute);
    if (!date || !time)
        return {std::nullopt,
                {},
                ChartErrorMessage(ChartError::DateDoesNotExist) + QStringLiteral(". Место не применено.")};
    const ClockOffset offset = OffsetAt(city.Zone, QDate(date->Year, date->Month, date->Day), *time);
    QString message;
    if (offset.Type == ClockOffset::Kind::UnknownZone)
        message = QStringLiteral("Долгота записана, поправка оставлена прежней: часовой пояс %1 неизвестен системе.")
                      .arg(QString::fromUtf8(city.Zone));
    return {ArcOf(city.Longitude), offset, message};
}
