#include "PlaceFill.h"

#include "City.h"
#include "ClockOffset.h"
#include "FieldText.h"
#include "Messages.h"

namespace {

const QString Kept = QStringLiteral("Долгота записана, поправка оставлена прежней: ");

std::optional<QTime> ReadTime(const QString &hour, const QString &minute)
{
    const auto h = ParseDecimal(hour.toStdString());
    const auto m = ParseDecimal(minute.toStdString());
    if (!h || !m || *h < 0 || *h > 23 || *m < 0 || *m > 59)
        return std::nullopt;
    return QTime(*h, *m);
}

QString WhyKept(const City &city, const ClockOffset &offset)
{
    using Kind = ClockOffset::Kind;
    switch (offset.Type) {
    case Kind::NotWhole:
        return Kept
            + QStringLiteral("часы здесь в это время шли на %1 от всемирного времени, "
                             "это не целое число часов.")
                  .arg(OffsetText(offset.Seconds.front()));
    case Kind::Skipped:
        return Kept
            + QStringLiteral("такого времени здесь не было, часы переводили вперёд (%1).")
                  .arg(OffsetsText(offset.Seconds, QStringLiteral(", затем ")));
    case Kind::Doubled:
        return Kept
            + QStringLiteral("это время здесь было дважды, часы переводили назад (%1).")
                  .arg(OffsetsText(offset.Seconds, QStringLiteral(" или ")));
    case Kind::UnknownZone:
        return Kept + QStringLiteral("часовой пояс %1 неизвестен системе.").arg(QString::fromUtf8(city.Zone));
    case Kind::Whole:
        break;
    }
    return {};
}

} // namespace

PlaceFill FillFor(const City &city, const QString &day, const QString &month, const QString &year, const QString &hour,
                  const QString &minute)
{
    const auto date = ReadDateFields(day.toStdString(), month.toStdString(), year.toStdString());
    const auto time = ReadTime(hour, minute);
    if (!date || !time)
        return {std::nullopt, std::nullopt,
                QString::fromUtf8(Messages::DateDoesNotExist) + QStringLiteral(". Место не применено.")};
    const ClockOffset offset = OffsetAt(city.Zone, QDate(date->Year, date->Month, date->Day), *time);
    PlaceFill fill{ArcOf(city.Longitude), std::nullopt, WhyKept(city, offset)};
    if (offset.Type == ClockOffset::Kind::Whole)
        fill.Correction = offset.WholeHours();
    return fill;
}
