// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <QString>

// Why a system call failed (an errno value), in the program's own words and
// language rather than in the C library's.
QString SystemErrorText(int error);
