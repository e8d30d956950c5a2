#pragma once

#include <QIcon>

// The application icon in every size rendered from its SVG, embedded in the
// program so that the window shows it wherever the program runs from.
QIcon AppIcon();
