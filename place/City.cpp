// SPDX-License-Identifier: AGPL-3.0-or-later
#include "City.h"

#include <QStringList>

QString City::Label() const
{
    QStringList parts{Name};
    if (!Region.isEmpty() && Region != Name)
        parts.append(Region);
    parts.append(Country);
    return parts.join(QStringLiteral(", "));
}
