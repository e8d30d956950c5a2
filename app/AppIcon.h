// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QIcon>

class QWidget;

// The application icon in every size rendered from its SVG, embedded in the
// program so that the window shows it wherever the program runs from.
QIcon AppIcon();

// Makes AppIcon the application's window icon once window has painted its
// first frame. Decoding the sizes and handing them to the window system
// takes a few milliseconds that would otherwise come before the first chart.
void SetAppIconAfterFirstFrame(QWidget *window);
