#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace pst {

// The free space of a file as runs of allocation units. A place is looked for next to the
// last one, so that what a commit writes lies together and its flush reaches few places of
// the disk; the search looks at a few runs there and then takes a run by its size, so its
// cost does not grow with the leftover runs, which multiply when every save is committed.
class PstFreeSpace {
public:
    void clear();
    // The units become free; none of them was.
    void give(uint64_t first, uint64_t count);
    // The units become used; all of them were free.
    void take(uint64_t first, uint64_t count);
    // The first unit of a place for count units starting at a multiple of step: the first
    // place in the runs that start at or after from, else in the smallest run that surely
    // holds it; nothing when no run does.
    std::optional<uint64_t> find(uint64_t count, uint64_t step, uint64_t from) const;
    uint64_t units() const { return units_; }

private:
    void insert(uint64_t first, uint64_t length);
    void erase(std::map<uint64_t, uint64_t>::iterator run);

    std::map<uint64_t, uint64_t> runs_;               // first unit -> length
    std::set<std::pair<uint64_t, uint64_t>> bySize_;  // (length, first unit)
    uint64_t units_ = 0;
};

}
