// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include "ChartSigns.h"
#include "Pillars.h"

// The sixty-cycle sign of a calendar date, the chart's day pillar at noon.
inline Sign DaySignOf(const CalendarDate &date) { return SignAt(DayCyclePosition(DayNumberOf(date))); }
