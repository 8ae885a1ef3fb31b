#include "PstRecentBlocks.h"

namespace pst {

void PstRecentBlocks::add(uint64_t bid, const std::vector<uint8_t>& data)
{
    blocks_[bid] = data;
    order_.push_back(bid);
    while (order_.size() > capacity_) {
        blocks_.erase(order_.front());
        order_.pop_front();
    }
}

const std::vector<uint8_t>* PstRecentBlocks::find(uint64_t bid) const
{
    const auto it = blocks_.find(bid);
    return it == blocks_.end() ? nullptr : &it->second;
}

}
