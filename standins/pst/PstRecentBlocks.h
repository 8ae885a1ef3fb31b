#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

namespace pst {

// The contents of the last few blocks written, by block id. A commit after every save lets go
// of the trees the commit before wrote, and must read their inner blocks to find what they
// hold: from here, not from the file.
class PstRecentBlocks {
public:
    explicit PstRecentBlocks(size_t capacity) : capacity_(capacity) {}

    void add(uint64_t bid, const std::vector<uint8_t>& data);
    const std::vector<uint8_t>* find(uint64_t bid) const;

private:
    size_t capacity_;
    std::unordered_map<uint64_t, std::vector<uint8_t>> blocks_;
    std::deque<uint64_t> order_;   // oldest first
};

}
