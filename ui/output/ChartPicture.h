// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "SharedChart.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

// The window's result area as a picture: the date and time line of the
// printed page on top, then the pillar table with "Ствол" and "Ветвь" and
// both squares under their captions, where the window has them. Drawn anew
// at the given device pixel ratio, so text and lines stay sharp.

// The picture's size in window pixels.
QSize ChartPictureSize();

QImage ChartPicture(const SharedChart &chart, qreal pixelRatio = 2);

// The picture at twice the window's size as PNG bytes; empty on failure.
QByteArray ChartPng(const SharedChart &chart);
