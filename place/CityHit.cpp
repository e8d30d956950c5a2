// SPDX-License-Identifier: AGPL-3.0-or-later
#include "CityHit.h"

#include <cmath>

namespace {

QString Degrees(double value, const char *positive, const char *negative)
{
    return QStringLiteral("%1° %2")
        .arg(std::fabs(value), 0, 'f', 2)
        .arg(QString::fromUtf8(value < 0 ? negative : positive));
}

QString Coordinates(const City &city)
{
    return QStringLiteral(" (%1, %2)")
        .arg(Degrees(city.Latitude, "с. ш.", "ю. ш."), Degrees(city.Longitude, "в. д.", "з. д."));
}

} // namespace

QString CityHit::Text() const
{
    const QString label = Place->Label();
    return OtherName.isEmpty() ? label : OtherName + QStringLiteral(" → ") + label;
}

QStringList HitTexts(const std::vector<CityHit> &hits)
{
    QStringList texts;
    for (const CityHit &hit : hits)
        texts.append(hit.Text());
    const QStringList plain = texts;
    for (qsizetype i = 0; i < texts.size(); ++i)
        if (plain.count(plain[i]) > 1)
            texts[i] += Coordinates(*hits[std::size_t(i)].Place);
    return texts;
}
