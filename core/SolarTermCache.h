#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

// Solar-term moments already found, kept by search year and correction, so
// that a run over many charts (the tool's batch mode) searches the terms of
// each year once. A stored moment is exactly what the search returned, so a
// chart computed with the cache equals one computed without it. The window
// keeps none: each of its calculations searches afresh.
// Not for use by two threads at once.
class SolarTermCache {
public:
    static constexpr int TermCount = 12; // indices 0..11: 315, 345, 15, ..., 285 degrees

    // Keeps at most maxYears (1 or more) pairs of search year and correction; storing
    // into one more empties the cache first, which bounds its memory (about
    // 350 bytes a pair).
    explicit SolarTermCache(std::size_t maxYears = 20000);

    // The stored outcome of the search for term index (0..11) of searchYear
    // with correction hours (-23..23): the corrected Julian day, or nothing
    // for a search that failed. nullptr when it has not been stored.
    const std::optional<double> *Find(std::int32_t searchYear, std::int32_t correction,
                                      int index) const;

    void Store(std::int32_t searchYear, std::int32_t correction, int index,
               std::optional<double> moment);

    // Pairs of search year and correction held.
    std::size_t YearCount() const { return years_.size(); }

private:
    struct Slot {
        bool Stored = false;
        std::optional<double> Moment;
    };
    using Key = std::pair<std::int32_t, std::int32_t>;

    std::map<Key, std::array<Slot, TermCount>> years_;
    std::size_t maxYears_;
};
