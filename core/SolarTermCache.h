// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>

#include "Ephemeris.h"

// Solar-term moments already found, kept by search year alone, so that a run
// over many charts (the tool's batch mode) searches the terms of each year
// once whatever the charts' corrections. The search itself does not depend on
// the correction: a stored moment is the trial moment the search stopped on,
// split into date and hour as the correction step splits it, so moving it by
// any correction afterwards gives the very double a search without the cache
// gives. The window keeps none: each of its calculations searches afresh.
// Not for use by two threads at once.
class SolarTermCache
{
public:
    static constexpr int TermCount = 12; // indices 0..11: 315, 345, 15, ..., 285 degrees

    // Keeps at most maxYears (1 or more) search years; storing into one more
    // empties the cache first, which bounds its memory (about 450 bytes a
    // year). The default holds every search year of dates in 1..5000.
    explicit SolarTermCache(std::size_t maxYears = 6000);

    // The stored outcome of the search for term index (0..11) of searchYear:
    // the uncorrected trial moment as date and decimal hour, or nothing for a
    // search that failed. nullptr when it has not been stored.
    const std::optional<CalendarMoment> *Find(std::int32_t searchYear, int index) const;

    void Store(std::int32_t searchYear, int index, std::optional<CalendarMoment> found);

    // Search years held.
    std::size_t YearCount() const { return years_.size(); }

private:
    struct Slot {
        bool Stored = false;
        std::optional<CalendarMoment> Found;
    };

    std::map<std::int32_t, std::array<Slot, TermCount>> years_;
    std::size_t maxYears_;
};
