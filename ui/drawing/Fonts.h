// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QFont>

// The face of every window: a sans face in place of the classic small UI
// fonts, sized by character height in pixels as the layouts give it.
QFont PixelFont(int pixels, bool bold = false);
