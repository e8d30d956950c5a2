// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

// The calculation's own messages, shown to the user as they stand.
namespace Messages {
inline constexpr char DateDoesNotExist[] = "Установленная дата не существует";
inline constexpr char EphemerisRange[] = "Дата вне диапазона эфемериды";
} // namespace Messages
