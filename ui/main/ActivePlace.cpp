// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ActivePlace.h"

#include "ClockOffset.h"

QString ActivePlace::Caption() const
{
    QString caption = Name() + QStringLiteral(", ") + OffsetText(OffsetSeconds);
    if (IsMeanTime(OffsetSeconds))
        caption += QStringLiteral(", местное время");
    return caption;
}
