// SPDX-License-Identifier: AGPL-3.0-or-later
#include "SolarTermCache.h"

#include <algorithm>

SolarTermCache::SolarTermCache(std::size_t maxYears)
    : maxYears_(std::max<std::size_t>(maxYears, 1))
{ }

const std::optional<CalendarMoment> *SolarTermCache::Find(std::int32_t searchYear, int index) const
{
    const auto year = years_.find(searchYear);
    if (year == years_.end() || index < 0 || index >= TermCount)
        return nullptr;
    const Slot &slot = year->second[index];
    return slot.Stored ? &slot.Found : nullptr;
}

void SolarTermCache::Store(std::int32_t searchYear, int index, std::optional<CalendarMoment> found)
{
    if (index < 0 || index >= TermCount)
        return;
    if (years_.size() >= maxYears_ && !years_.contains(searchYear))
        years_.clear();
    years_[searchYear][index] = {true, found};
}
