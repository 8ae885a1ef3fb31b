#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "fileio/PositionedFile.h"
#include "PstFreeSpace.h"
#include "PstRecentBlocks.h"
#include "PstWriteGather.h"

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
// blocks at free places and commit() writes the trees, the maps and the header. A commit
// waits for the disk to hold its pages before it writes the header, and space an earlier
// state used is written over only once a flushed header no longer points at it, so
// neither a killed process nor a power cut leaves a header that points at pages that
// never arrived or were overwritten. close() flushes the last header and the maps.
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
    // A data tree some of whose blocks are in the file already (their ids in bids, the
    // rest 0): those are shared with the tree they belong to, not written again. The
    // ids of the others are filled in.
    uint64_t writeTree(const std::vector<std::vector<uint8_t>>& blocks, std::vector<uint64_t>& bids);
    uint64_t writeSubnodes(const SubnodeMap& subnodes);
    void releaseTree(uint64_t bid);
    void releaseSubnodes(uint64_t bid);

    // Sets a node, releasing the trees it replaces.
    void setNode(uint32_t nid, const NodeEntry& entry);
    uint32_t allocateNid(NidType type);
    void commit();
    // Flushes the last commit's header, brings the maps up to date and closes the file.
    void close();

private:
    struct BlockEntry {
        uint64_t offset = 0;
        uint16_t size = 0;
        uint16_t refs = 0;
    };
    // A written page of a B-tree: the first key below it, its id and place, and (branch
    // pages) the entries it holds.
    struct TreePage {
        uint64_t key = 0, bid = 0, offset = 0;
        std::vector<uint8_t> entries;
    };
    // A B-tree as the last commit wrote it, from the leaves up (empty before the first
    // commit of this session), and the keys changed since.
    struct TreeLayout {
        std::vector<std::vector<TreePage>> levels;
        std::set<uint64_t> changed;
    };
    PstNodeDatabase() = default;

    std::vector<uint8_t> readRaw(uint64_t offset, size_t size) const;
    // Writes are held and made together (see PstWriteGather) by writeOut, which sync runs first.
    void writeRaw(uint64_t offset, const std::vector<uint8_t>& data);
    void writeOut();
    void ensureWritable();
    // The block's entry; a file without one is damaged.
    BlockEntry& block(uint64_t bid);
    const BlockEntry& block(uint64_t bid) const;
    std::vector<uint8_t> readBlock(uint64_t bid) const;
    void collectTree(uint64_t bid, int depth, std::vector<std::vector<uint8_t>>& out) const;
    void collectSubnodes(uint64_t bid, int depth, SubnodeMap& out) const;
    uint64_t writeBlock(const std::vector<uint8_t>& data, bool internal);
    // One more tree refers to the block.
    void addRef(uint64_t bid);
    uint64_t allocate(size_t bytes, size_t alignment);
    void markUsed(uint64_t offset, size_t bytes, bool used);
    void addRegion();
    void loadHeader();
    void loadBtree(uint64_t offset, uint64_t bid, bool nodes, int depth, uint64_t& pages);
    void loadAllocation();
    uint64_t writeBtree(bool nodes, uint64_t& rootBid);
    void appendLeafEntry(bool nodes, uint64_t key, std::vector<uint8_t>& out) const;
    std::vector<uint64_t> treeKeys(bool nodes, uint64_t from, std::optional<uint64_t> to) const;
    TreePage writeTreePage(bool nodes, uint8_t level, uint64_t key, std::vector<uint8_t> entries, size_t entrySize);
    // The header's fields for the maps; the map pages themselves too when pages is set. A
    // header written while a map page is out of date says that the maps are not valid.
    void writeMaps(bool pages);
    void writeHeader();
    void sync();
    std::vector<uint8_t> pageTrailer(std::vector<uint8_t> page, uint8_t type, uint64_t offset, uint64_t bid, bool signed_) const;

    std::filesystem::path path_;
    fileio::PositionedFile file_;
    bool writable_ = false;
    bool unicode_ = true;
    uint8_t crypt_ = 0;
    uint64_t fileSize_ = 0;
    uint64_t writtenEnd_ = 0;   // how far the file reaches on disk
    PstWriteGather unwritten_;
    PstRecentBlocks recentInner_{64};     // inner blocks (tree and subnode lists) just written
    std::vector<uint8_t> blockBuffer_;   // a block with its trailer, as it is written
    uint64_t nextBid_ = 4;
    uint64_t nextPageBid_ = 1;
    uint32_t seed_ = 0;
    uint32_t nidMarks_[32] = {};
    std::vector<uint8_t> header_;
    // Blocks are looked up by id far more often than walked in order (a table rewritten after
    // every save looks up each block it keeps): a hash for the entries, the ids in order beside.
    std::unordered_map<uint64_t, BlockEntry> bbt_;
    std::set<uint64_t> blockIds_;
    std::map<uint32_t, NodeEntry> nbt_;
    std::vector<uint64_t> treePages_;     // pages of the B-trees as the file was opened with
    TreeLayout nodeTree_, blockTree_;
    std::unordered_map<uint64_t, int> refChanges_;   // blocks whose reference count moved since the last commit
    std::unordered_map<uint64_t, int> borrowed_;     // blocks new trees share, not counted yet (see writeTree)
    std::vector<uint8_t> used_;           // one byte per 64-byte unit from the first map on
    std::vector<bool> mapDirty_;          // per region: its allocation map page is out of date
    mutable uint64_t treeBytes_ = 0;      // bytes gathered by the tree being read
    std::vector<std::pair<uint64_t, size_t>> pendingFree_;   // let go since the last commit
    std::vector<std::pair<uint64_t, size_t>> heldFree_;      // let go by the last commit: free once its header is flushed
    bool headerFlushed_ = true;
    PstFreeSpace freeSpace_;
    uint64_t allocationCursor_ = 0;       // unit of the last allocation: the next one goes near it
};

}
