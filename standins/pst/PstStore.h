#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "PstMessage.h"
#include "PstNameMap.h"
#include "PstNodeDatabase.h"
#include "PstTableContext.h"
#include "PstTableWriter.h"

namespace pst {

struct PstFolderInfo {
    uint32_t nid = 0;
    uint32_t parent = 0;
    std::string name;
    std::string containerClass;
    uint32_t contentCount = 0;
    bool search = false;
};

// A PST file as a message store: its folders and the messages in them. Opening reads and
// checks the file without changing it. Saving a message or creating a folder writes its blocks
// into free space at once; commit() then writes the changed folder tables, the B-trees, the
// allocation maps and the header, which makes the work part of the file. Until then the file on
// disk stays as the last commit left it. Nothing is committed on destruction; close() (or the
// destruction) flushes what the last commit wrote.
class PstStore {
public:
    enum class Format { Unicode, Ansi };

    static std::unique_ptr<PstStore> create(const std::filesystem::path& path, Format format, uint32_t seed = 0x4F52424Cu);
    static std::unique_ptr<PstStore> open(const std::filesystem::path& path);

    bool unicode() const { return db_->unicode(); }
    std::string displayName() const;
    void setDisplayName(const std::string& name);

    uint32_t rootFolder() const { return kRootFolder; }
    uint32_t ipmSubtree() const;
    // Normal and search folders; only normal folders take folders and messages.
    std::vector<uint32_t> subfolders(uint32_t folder) const;
    PstFolderInfo folder(uint32_t nid) const;
    std::optional<uint32_t> findSubfolder(uint32_t parent, const std::string& name) const;
    uint32_t createFolder(uint32_t parent, const std::string& name, const std::string& containerClass);

    std::vector<uint32_t> messages(uint32_t folder) const;
    PstMessage newMessage(const std::string& messageClass) const;
    uint32_t saveMessage(uint32_t folder, const PstMessage& message);
    PstMessage readMessage(uint32_t nid) const;
    // The entry identifier of a folder or message in this store.
    std::vector<uint8_t> entryId(uint32_t nid) const;

    void commit();
    // Makes the last commit durable and closes the file (the store is not used after).
    void close() { db_->close(); }

private:
    static constexpr uint32_t kStore = 0x21, kRootFolder = 0x122;
    struct Folder {
        PropertyMap properties;
        PstTableContext::Table hierarchy, contents, associated;
        PstTableWriter contentsWriter;   // messages only ever join the end of the contents
        bool dirty = false;
        // What of a dirty folder changed: a commit after every save writes only that (the
        // first write takes all, as the folder may have used a template's tables).
        bool propertiesDirty = true, hierarchyDirty = true, associatedDirty = true;
    };

    PstStore() = default;
    uint16_t textType() const { return unicode() ? kPtUnicode : kPtString8; }
    PropertyValue text(const std::string& utf8) const;
    std::vector<uint32_t> columns(std::initializer_list<uint32_t> tags) const;
    PropertyMap readProperties(uint32_t nid) const;
    // The node's property context; large values join the subnodes it already has.
    void writeProperties(uint32_t nid, uint32_t parent, const PropertyMap& properties, SubnodeMap subnodes = {});
    void writeTable(uint32_t nid, const PstTableContext::Table& table);
    // A message's properties and subnodes (recipients, attachments, attached items) as stored.
    void buildMessage(const PstMessage& message, PropertyMap& props, SubnodeMap& subnodes);
    PstMessage readMessageAt(uint64_t bidData, const SubnodeMap& subnodes, int depth) const;
    Folder& loadFolder(uint32_t nid);
    void writeFolder(uint32_t nid, Folder& folder);
    uint32_t addFolder(uint32_t nid, uint32_t parent, const std::string& name, const std::string& containerClass);
    void buildBlank();

    std::unique_ptr<PstNodeDatabase> db_;
    PstNameMap names_;
    PropertyMap store_;
    bool storeDirty_ = false;
    std::map<uint32_t, Folder> folders_;   // folders read or changed; written again when dirty
};

}
