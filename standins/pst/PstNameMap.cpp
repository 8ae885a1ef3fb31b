#include "PstNameMap.h"

#include <algorithm>

#include "PstBytes.h"
#include "PstError.h"
#include "PstPropertyContext.h"

namespace pst {

namespace {

constexpr uint16_t kBucketCount = 0x0001, kGuidStream = 0x0002, kEntryStream = 0x0003, kStringStream = 0x0004;
constexpr uint16_t kFirstBucket = 0x1000;
constexpr uint32_t kBuckets = 251;

constexpr Guid kPsMapi{0x28, 0x03, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr Guid kPsPublicStrings{0x29, 0x03, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

}

void PstNameMap::initialise()
{
    properties_.clear();
    properties_[kBucketCount] = PropertyValue::integer(kPtLong, kBuckets, 4);
    for (uint16_t id : {kGuidStream, kEntryStream, kStringStream})
        properties_[id] = PropertyValue::binary({});
    dirty_ = true;
}

void PstNameMap::load(const PstNodeDatabase& db)
{
    const NodeEntry* node = db.node(kNid);
    if (!node) {
        initialise();
        return;
    }
    properties_ = PstPropertyContext::read(db, node->bidData, db.readSubnodes(node->bidSub));
    for (uint16_t id : {kGuidStream, kEntryStream, kStringStream})
        if (!properties_.count(id))
            properties_[id] = PropertyValue::binary({});
    if (!properties_.count(kBucketCount))
        properties_[kBucketCount] = PropertyValue::integer(kPtLong, kBuckets, 4);
    const std::vector<uint8_t>& guids = properties_[kGuidStream].data;
    const std::vector<uint8_t>& entries = properties_[kEntryStream].data;
    for (size_t i = 0; i + 8 <= entries.size(); i += 8) {
        const uint32_t lid = static_cast<uint32_t>(PstBytes::get(entries.data() + i, 4));
        const uint16_t guidField = static_cast<uint16_t>(PstBytes::get(entries.data() + i + 4, 2));
        const uint16_t id = static_cast<uint16_t>(0x8000 + PstBytes::get(entries.data() + i + 6, 2));
        if (guidField & 1)
            continue;   // named by string: kept as it is, not used here
        const size_t g = guidField >> 1;
        Guid guid{};
        if (g == 1)
            guid = kPsMapi;
        else if (g == 2)
            guid = kPsPublicStrings;
        else if (g >= 3 && (g - 3) * 16 + 16 <= guids.size())
            std::copy_n(guids.begin() + (g - 3) * 16, 16, guid.begin());
        else
            continue;
        ids_[{guid, lid}] = id;
        names_[id] = {guid, lid};
    }
}

std::optional<uint16_t> PstNameMap::find(const Guid& set, uint32_t lid) const
{
    const auto it = ids_.find({set, lid});
    if (it == ids_.end())
        return std::nullopt;
    return it->second;
}

std::optional<PstMessage::NamedKey> PstNameMap::name(uint16_t id) const
{
    const auto it = names_.find(id);
    if (it == names_.end())
        return std::nullopt;
    return it->second;
}

uint16_t PstNameMap::idFor(const Guid& set, uint32_t lid)
{
    if (const auto found = find(set, lid))
        return *found;
    std::vector<uint8_t>& entries = properties_[kEntryStream].data;
    std::vector<uint8_t>& guids = properties_[kGuidStream].data;
    const size_t index = entries.size() / 8;
    if (index >= 0x7FFF)
        throw PstError("The PST file has no room for more named properties.");
    size_t g;
    if (set == kPsMapi) {
        g = 1;
    } else if (set == kPsPublicStrings) {
        g = 2;
    } else {
        size_t k = 0;
        while (k * 16 + 16 <= guids.size() && !std::equal(set.begin(), set.end(), guids.begin() + k * 16))
            ++k;
        if (k * 16 + 16 > guids.size())
            guids.insert(guids.end(), set.begin(), set.end());
        g = k + 3;
    }
    std::vector<uint8_t> record;
    PstBytes::append(record, lid, 4);
    PstBytes::append(record, g << 1, 2);
    PstBytes::append(record, index, 2);
    entries.insert(entries.end(), record.begin(), record.end());
    const uint32_t buckets = std::max<uint32_t>(1, static_cast<uint32_t>(properties_[kBucketCount].asInteger()));
    const uint16_t bucket = static_cast<uint16_t>(kFirstBucket + (lid ^ (g << 1)) % buckets);
    PropertyValue& b = properties_[bucket];
    b.type = kPtBinary;
    b.data.insert(b.data.end(), record.begin(), record.end());
    const uint16_t id = static_cast<uint16_t>(0x8000 + index);
    ids_[{set, lid}] = id;
    names_[id] = {set, lid};
    dirty_ = true;
    return id;
}

void PstNameMap::save(PstNodeDatabase& db)
{
    if (!dirty_)
        return;
    SubnodeMap subnodes;
    const auto blocks = PstPropertyContext::build(db, properties_, subnodes);
    NodeEntry entry;
    entry.bidData = db.writeTree(blocks);
    entry.bidSub = db.writeSubnodes(subnodes);
    db.setNode(kNid, entry);
    dirty_ = false;
}

}
