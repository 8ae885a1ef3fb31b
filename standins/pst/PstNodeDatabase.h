#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pst {

// Node identifier types (low five bits of a node id).
enum NidType : uint32_t {
    kNidHid = 0x00, kNidInternal = 0x01, kNidNormalFolder = 0x02, kNidSearchFolder = 0x03,
    kNidNormalMessage = 0x04, kNidAttachment = 0x05, kNidAssocMessage = 0x08,
    kNidHierarchyTable = 0x0D, kNidContentsTable = 0x0E, kNidAssocContentsTable = 0x0F,
    kNidAttachmentTable = 0x11, kNidRecipientTable = 0x12, kNidLtp = 0x1F,
};

struct NodeEntry {
    uint64_t bidData = 0;
    uint64_t bidSub = 0;
    uint32_t parent = 0;
};

struct SubnodeEntry {
    uint64_t bidData = 0;
    uint64_t bidSub = 0;
};
using SubnodeMap = std::map<uint32_t, SubnodeEntry>;

// The node database: the header, the block and node B-trees, data blocks and their trees,
// subnode blocks and the allocation maps. The B-trees are held in memory; writes append
// blocks at free places and commit() writes the trees, the maps and the header.
class PstNodeDatabase {
public:
    // Paths are std::filesystem paths so that a Windows path keeps every character.
    static std::unique_ptr<PstNodeDatabase> open(const std::filesystem::path& path);
    static std::unique_ptr<PstNodeDatabase> create(const std::filesystem::path& path, bool unicode, uint32_t seed);
    ~PstNodeDatabase();

    bool unicode() const { return unicode_; }
    size_t maxBlockData() const { return unicode_ ? 8176 : 8180; }

    const NodeEntry* node(uint32_t nid) const;
    const std::map<uint32_t, NodeEntry>& nodes() const { return nbt_; }

    // A data tree as its data blocks (each one separately) or as one stream.
    std::vector<std::vector<uint8_t>> readTreeBlocks(uint64_t bid) const;
    std::vector<uint8_t> readTree(uint64_t bid) const;
    SubnodeMap readSubnodes(uint64_t bid) const;

    uint64_t writeTree(const std::vector<std::vector<uint8_t>>& blocks);
    uint64_t writeTree(const std::vector<uint8_t>& data);
    uint64_t writeSubnodes(const SubnodeMap& subnodes);
    void releaseTree(uint64_t bid);
    void releaseSubnodes(uint64_t bid);

    // Sets a node, releasing the trees it replaces.
    void setNode(uint32_t nid, const NodeEntry& entry);
    uint32_t allocateNid(NidType type);
    void commit();

private:
    struct BlockEntry {
        uint64_t offset = 0;
        uint16_t size = 0;
        uint16_t refs = 0;
    };
    PstNodeDatabase() = default;

    std::vector<uint8_t> readRaw(uint64_t offset, size_t size) const;
    void writeRaw(uint64_t offset, const std::vector<uint8_t>& data);
    void ensureWritable();
    std::vector<uint8_t> readBlock(uint64_t bid) const;
    void collectTree(uint64_t bid, int depth, std::vector<std::vector<uint8_t>>& out) const;
    void collectSubnodes(uint64_t bid, int depth, SubnodeMap& out) const;
    uint64_t writeBlock(std::vector<uint8_t> data, bool internal);
    uint64_t allocate(size_t bytes, size_t alignment);
    void markUsed(uint64_t offset, size_t bytes, bool used);
    void takeUnit(uint64_t unit);
    void giveUnit(uint64_t unit);
    void addRegion();
    void loadHeader();
    void loadBtree(uint64_t offset, uint64_t bid, bool nodes, int depth, uint64_t& pages);
    void loadAllocation();
    uint64_t writeBtree(bool nodes, uint64_t& rootBid);
    void writeMaps();
    void writeHeader();
    std::vector<uint8_t> pageTrailer(std::vector<uint8_t> page, uint8_t type, uint64_t offset, uint64_t bid, bool signed_) const;

    std::filesystem::path path_;
    mutable std::fstream file_;
    bool writable_ = false;
    bool unicode_ = true;
    uint8_t crypt_ = 0;
    uint64_t fileSize_ = 0;
    uint64_t nextBid_ = 4;
    uint64_t nextPageBid_ = 1;
    uint32_t seed_ = 0;
    uint32_t nidMarks_[32] = {};
    std::vector<uint8_t> header_;
    std::map<uint64_t, BlockEntry> bbt_;
    std::map<uint32_t, NodeEntry> nbt_;
    std::vector<uint64_t> treePages_;     // pages of the B-trees now on disk
    std::vector<uint8_t> used_;           // one byte per 64-byte unit from the first map on
    mutable uint64_t treeBytes_ = 0;      // bytes gathered by the tree being read
    std::vector<std::pair<uint64_t, size_t>> pendingFree_;   // freed once the next commit is written
    std::map<uint64_t, uint64_t> free_;   // free runs: first unit -> length
    uint64_t allocationCursor_ = 0;       // unit of the last allocation: the next search starts there
};

}
