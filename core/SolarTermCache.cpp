#include "SolarTermCache.h"

#include <algorithm>

SolarTermCache::SolarTermCache(std::size_t maxYears) : maxYears_(std::max<std::size_t>(maxYears, 1))
{
}

const std::optional<double> *SolarTermCache::Find(std::int32_t searchYear,
                                                  std::int32_t correction, int index) const
{
    const auto year = years_.find({searchYear, correction});
    if (year == years_.end() || index < 0 || index >= TermCount)
        return nullptr;
    const Slot &slot = year->second[index];
    return slot.Stored ? &slot.Moment : nullptr;
}

void SolarTermCache::Store(std::int32_t searchYear, std::int32_t correction, int index,
                           std::optional<double> moment)
{
    if (index < 0 || index >= TermCount)
        return;
    const Key key{searchYear, correction};
    if (years_.size() >= maxYears_ && !years_.contains(key))
        years_.clear();
    years_[key][index] = {true, moment};
}
