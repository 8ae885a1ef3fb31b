#include "PstWriteGather.h"

#include <algorithm>
#include <cstring>

namespace pst {

bool PstWriteGather::overlaps(uint64_t offset, size_t size) const
{
    auto it = held_.upper_bound(offset);
    if (it != held_.end() && it->first < offset + size)
        return true;
    return it != held_.begin() && std::prev(it)->first + std::prev(it)->second.size > offset;
}

void PstWriteGather::add(uint64_t offset, const uint8_t* data, size_t size)
{
    held_.emplace(offset, Held{staged_.size(), size});
    staged_.insert(staged_.end(), data, data + size);
}

size_t PstWriteGather::overlay(uint64_t offset, uint8_t* data, size_t size) const
{
    size_t copied = 0;
    auto it = held_.upper_bound(offset);
    if (it != held_.begin())
        --it;
    for (; it != held_.end() && it->first < offset + size; ++it) {
        const uint64_t from = std::max(offset, it->first), to = std::min(offset + size, it->first + it->second.size);
        if (from >= to)
            continue;
        std::memcpy(data + (from - offset), staged_.data() + it->second.at + (from - it->first), to - from);
        copied += to - from;
    }
    return copied;
}

bool PstWriteGather::flush(const Write& write)
{
    bool ok = true;
    for (auto it = held_.begin(); ok && it != held_.end();) {
        const uint64_t start = it->first;
        auto end = std::next(it);
        uint64_t reach = start + it->second.size;
        // Pages are mostly placed in the order they are written: then the run lies in
        // staged_ as it goes to the file and needs no joining.
        bool inOrder = true;
        while (end != held_.end() && end->first == reach) {
            inOrder = inOrder && end->second.at == std::prev(end)->second.at + std::prev(end)->second.size;
            reach += end->second.size;
            ++end;
        }
        if (inOrder) {
            ok = write(start, staged_.data() + it->second.at, reach - start);
        } else {
            run_.clear();
            for (; it != end; ++it)
                run_.insert(run_.end(), staged_.begin() + static_cast<std::ptrdiff_t>(it->second.at),
                            staged_.begin() + static_cast<std::ptrdiff_t>(it->second.at + it->second.size));
            ok = write(start, run_.data(), run_.size());
        }
        it = end;
    }
    held_.clear();
    staged_.clear();
    return ok;
}

}
