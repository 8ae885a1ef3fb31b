#include "PstFreeSpace.h"

#include <stdexcept>

namespace pst {

void PstFreeSpace::clear()
{
    runs_.clear();
    bySize_.clear();
    units_ = 0;
}

void PstFreeSpace::insert(uint64_t first, uint64_t length)
{
    runs_[first] = length;
    bySize_.emplace(length, first);
}

void PstFreeSpace::erase(std::map<uint64_t, uint64_t>::iterator run)
{
    bySize_.erase({run->second, run->first});
    runs_.erase(run);
}

void PstFreeSpace::give(uint64_t first, uint64_t count)
{
    if (count == 0)
        return;
    units_ += count;
    uint64_t length = count;
    auto next = runs_.find(first + count);
    if (next != runs_.end()) {
        length += next->second;
        erase(next);
    }
    auto before = runs_.lower_bound(first);
    if (before != runs_.begin() && std::prev(before)->first + std::prev(before)->second == first) {
        --before;
        first = before->first;
        length += before->second;
        erase(before);
    }
    insert(first, length);
}

void PstFreeSpace::take(uint64_t first, uint64_t count)
{
    if (count == 0)
        return;
    auto run = runs_.upper_bound(first);
    if (run == runs_.begin() || std::prev(run)->first + std::prev(run)->second < first + count)
        throw std::logic_error("taking space that is not free");
    --run;
    const uint64_t start = run->first, length = run->second;
    erase(run);
    units_ -= count;
    if (first > start)
        insert(start, first - start);
    if (first + count < start + length)
        insert(first + count, start + length - first - count);
}

std::optional<uint64_t> PstFreeSpace::find(uint64_t count, uint64_t step, uint64_t from) const
{
    const auto fit = [&](uint64_t first, uint64_t length) -> std::optional<uint64_t> {
        const uint64_t aligned = (first + step - 1) / step * step;
        if (aligned + count <= first + length)
            return aligned;
        return std::nullopt;
    };
    constexpr int kNearbyRuns = 32;
    int looked = 0;
    for (auto it = runs_.lower_bound(from); it != runs_.end() && looked < kNearbyRuns; ++it, ++looked)
        if (const auto at = fit(it->first, it->second))
            return at;
    // A run of count + step - 1 units holds an aligned place wherever it starts.
    const auto it = bySize_.lower_bound({count + step - 1, 0});
    if (it == bySize_.end())
        return std::nullopt;
    return fit(it->second, it->first);
}

}
