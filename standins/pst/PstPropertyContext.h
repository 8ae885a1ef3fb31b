#pragma once
#include "PstNodeDatabase.h"
#include "PstProperty.h"

namespace pst {

// A node's properties: a B-tree of (id, type, value) records on the node's heap; values
// too large for the heap go to subnodes.
class PstPropertyContext {
public:
    static PropertyMap read(const PstNodeDatabase& db, uint64_t bidData, const SubnodeMap& subnodes);
    // Lays the properties out; large values are written as subnodes added to `subnodes`.
    static std::vector<std::vector<uint8_t>> build(PstNodeDatabase& db, const PropertyMap& properties,
                                                   SubnodeMap& subnodes);
};

// The value behind a heap-or-node reference of a property or table cell.
std::vector<uint8_t> readHnid(const PstNodeDatabase& db, const class PstHeap& heap, uint32_t hnid,
                              const SubnodeMap& subnodes);
// Stores a variable-size value on the heap or, when large, in a new subnode.
uint32_t storeHnid(PstNodeDatabase& db, class PstHeapWriter& heap, const std::vector<uint8_t>& data,
                   SubnodeMap& subnodes);

}
