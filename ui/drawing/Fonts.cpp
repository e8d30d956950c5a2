// SPDX-License-Identifier: AGPL-3.0-or-later
#include "Fonts.h"

QFont PixelFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
