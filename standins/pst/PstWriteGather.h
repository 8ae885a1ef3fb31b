#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace pst {

// Writes held back and made together: the pages of a commit mostly lie side by side, and
// each write costs a call into the system (under Wine several), so adjacent ones go out as
// one. Held writes never overlap; reads see them.
class PstWriteGather {
public:
    using Write = std::function<bool(uint64_t offset, const uint8_t* data, size_t size)>;

    bool overlaps(uint64_t offset, size_t size) const;
    // The range must not overlap a held write.
    void add(uint64_t offset, const uint8_t* data, size_t size);
    // Copies the held bytes that fall in [offset, offset + size) into data; returns how many.
    size_t overlay(uint64_t offset, uint8_t* data, size_t size) const;
    size_t bytes() const { return staged_.size(); }
    // Makes the held writes in file order, adjacent ones as one; false when a write fails.
    // Nothing is held after.
    bool flush(const Write& write);

private:
    struct Held {
        size_t at, size;   // where the bytes lie in staged_
    };
    std::map<uint64_t, Held> held_;   // by file offset
    std::vector<uint8_t> staged_;
    std::vector<uint8_t> run_;        // adjacent writes joined
};

}
