#include "PstPropertyContext.h"

#include "PstBytes.h"
#include "PstError.h"
#include "PstHeap.h"

namespace pst {

std::vector<uint8_t> readHnid(const PstNodeDatabase& db, const PstHeap& heap, uint32_t hnid,
                              const SubnodeMap& subnodes)
{
    if ((hnid & 0x1F) == 0)
        return heap.get(hnid);
    const auto it = subnodes.find(hnid);
    if (it == subnodes.end())
        throw PstError("The PST file is damaged: a property value is missing.");
    return db.readTree(it->second.bidData);
}

uint32_t storeHnid(PstNodeDatabase& db, PstHeapWriter& heap, const std::vector<uint8_t>& data,
                   SubnodeMap& subnodes)
{
    if (data.size() <= PstHeapWriter::kMaxAllocation)
        return heap.add(data);
    uint32_t nid = (1u << 5) | kNidLtp;
    while (subnodes.count(nid))
        nid += 1u << 5;
    subnodes[nid] = SubnodeEntry{db.writeTree(data), 0};
    return nid;
}

PropertyMap PstPropertyContext::read(const PstNodeDatabase& db, uint64_t bidData, const SubnodeMap& subnodes)
{
    const PstHeap heap(db.readTreeBlocks(bidData));
    if (heap.clientSignature() != 0xBC)
        throw PstError("The PST file is damaged: an item has no property context.");
    PropertyMap out;
    for (const auto& r : heap.btreeRecords(heap.userRoot(), 2, 6)) {
        const uint16_t id = static_cast<uint16_t>(PstBytes::get(r.data(), 2));
        PropertyValue v;
        v.type = static_cast<uint16_t>(PstBytes::get(r.data() + 2, 2));
        const uint32_t value = static_cast<uint32_t>(PstBytes::get(r.data() + 4, 4));
        const int size = fixedSize(v.type);
        if (size > 0 && size <= 4) {
            v.data.assign(r.begin() + 4, r.begin() + 4 + size);
        } else {
            v.data = readHnid(db, heap, value, subnodes);
        }
        out[id] = std::move(v);
    }
    return out;
}

std::vector<std::vector<uint8_t>> PstPropertyContext::build(PstNodeDatabase& db, const PropertyMap& properties,
                                                            SubnodeMap& subnodes)
{
    PstHeapWriter heap(0xBC, db.maxBlockData());
    std::vector<std::vector<uint8_t>> records;
    for (const auto& [id, v] : properties) {
        std::vector<uint8_t> r;
        PstBytes::append(r, id, 2);
        PstBytes::append(r, v.type, 2);
        const int size = fixedSize(v.type);
        if (size > 0 && size <= 4) {
            std::vector<uint8_t> inline_(v.data);
            inline_.resize(4, 0);
            r.insert(r.end(), inline_.begin(), inline_.end());
        } else {
            PstBytes::append(r, storeHnid(db, heap, v.data, subnodes), 4);
        }
        records.push_back(std::move(r));
    }
    heap.setUserRoot(heap.addBtree(2, 6, records));
    return heap.blocks();
}

}
