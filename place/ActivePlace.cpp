// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ActivePlace.h"

namespace {

const QString LabelValue = QStringLiteral("place");
const QString ZoneValue = QStringLiteral("zone");

} // namespace

ActivePlace::ActivePlace(QString label, QByteArray zone, int offsetSeconds)
    : m_label(std::move(label))
    , m_zone(std::move(zone))
    , m_offsetSeconds(offsetSeconds)
{ }

ActivePlace ActivePlace::OfOffset(int offsetSeconds)
{
    return ActivePlace(QStringLiteral("Поправка"), QByteArray(), offsetSeconds);
}

QString ActivePlace::Name() const { return m_label.section(QStringLiteral(", "), 0, 0); }

QString ActivePlace::Caption() const
{
    QString caption = Name() + QStringLiteral(", ") + OffsetText(m_offsetSeconds);
    if (IsMeanTime(m_offsetSeconds))
        caption += QStringLiteral(", местное время");
    return caption;
}

std::optional<ClockOffset> ActivePlace::OffsetAt(QDate date, std::optional<QTime> time) const
{
    if (m_zone.isEmpty())
        return OneOffset(m_offsetSeconds);
    if (!time)
        return std::nullopt;
    return ::OffsetAt(m_zone, date, *time);
}

ActivePlace::StoredValues ActivePlace::ToStore(const std::optional<ActivePlace> &place)
{
    return {{LabelValue, place ? place->m_label : QString()},
            {ZoneValue, place ? QString::fromUtf8(place->m_zone) : QString()}};
}

std::optional<ActivePlace> ActivePlace::Restored(const std::function<QString(const QString &name)> &read)
{
    const QString label = read(LabelValue);
    const QByteArray zone = read(ZoneValue).toUtf8();
    if (label.isEmpty() || !IsKnownZone(zone))
        return std::nullopt;
    return ActivePlace(label, zone);
}
