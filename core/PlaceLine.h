// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>

#include "ChartTypes.h"

// The line that names a chart's place in its saved files and copied text:
// the place, the clock's offset the chart took and the longitude, "Место:
// Казань, поправка +4, долгота 049:07E"; without a place (an empty name)
// "Место: поправка +5, долгота 060:36E". Exact offsets as "+5:30".
std::string PlaceLineOf(const std::string &placeName, const ChartInput &input);
