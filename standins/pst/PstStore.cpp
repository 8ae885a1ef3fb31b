#include "PstStore.h"

#include <algorithm>

#include "PstBytes.h"
#include "PstError.h"
#include "PstPropertyContext.h"
#include "PstText.h"

namespace pst {

namespace {

enum : uint16_t {
    kImportance = 0x0017, kMessageClass = 0x001A, kSensitivity = 0x0036, kSubject = 0x0037,
    kClientSubmitTime = 0x0039, kSentRepresentingName = 0x0042, kRecipientType = 0x0C15, kDisplayCc = 0x0E03,
    kDisplayTo = 0x0E04, kDeliveryTime = 0x0E06, kMessageFlags = 0x0E07, kMessageSize = 0x0E08,
    kResponsibility = 0x0E0F, kMessageStatus = 0x0E17, kHasAttach = 0x0E1B, kAttachSize = 0x0E20,
    kRecordKey = 0x0FF9, kObjectType = 0x0FFE, kDisplayName = 0x3001, kAddressType = 0x3002,
    kEmailAddress = 0x3003, kLastModificationTime = 0x3008, kContentCount = 0x3602, kContentUnread = 0x3603,
    kSubfolders = 0x360A, kContainerClass = 0x3613, kValidFolderMask = 0x35DF, kIpmSubtreeEntryId = 0x35E0,
    kWastebasketEntryId = 0x35E3, kFinderEntryId = 0x35E7, kAttachData = 0x3701, kAttachFilename = 0x3704,
    kAttachMethod = 0x3705, kAttachLongFilename = 0x3707, kRenderingPosition = 0x370B, kDisplayType = 0x3900,
    kSmtpAddress = 0x39FE, kMessageCodepage = 0x3FFD, kInternetCodepage = 0x3FDE, kSendRichInfo = 0x3A40, kRecipientDisplayName = 0x5FF6, kPstPassword = 0x67FF,
};
constexpr uint32_t kTemplateHierarchy = 0x60D, kTemplateContents = 0x60E, kTemplateAssociated = 0x60F,
                   kTemplateSearchContents = 0x610, kAttachmentTable = 0x671, kRecipientTable = 0x692;
constexpr uint32_t kT = 0xFFFF;   // stands for the file's text type in column lists

uint32_t sibling(uint32_t nid, uint32_t type) { return (nid & ~0x1Fu) | type; }

}

PropertyValue PstStore::text(const std::string& utf8) const
{
    return PropertyValue{textType(), PstText::encode(utf8, unicode())};
}

std::vector<uint32_t> PstStore::columns(std::initializer_list<uint32_t> tags) const
{
    std::vector<uint32_t> out;
    for (uint32_t tag : tags)
        out.push_back((tag & 0xFFFF) == kT ? ((tag & 0xFFFF0000u) | textType()) : tag);
    return out;
}

std::unique_ptr<PstStore> PstStore::create(const std::filesystem::path& path, Format format, uint32_t seed)
{
    std::unique_ptr<PstStore> store(new PstStore());
    store->db_ = PstNodeDatabase::create(path, format == Format::Unicode, seed);
    store->names_.initialise();
    // The store's identity derives from the seed, so the same seed gives the same file.
    std::vector<uint8_t> key(16);
    uint32_t x = seed;
    for (uint8_t& b : key) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(x >> 24);
    }
    store->store_[kRecordKey] = PropertyValue::binary(key);
    store->buildBlank();
    store->commit();
    return store;
}

std::unique_ptr<PstStore> PstStore::open(const std::filesystem::path& path)
{
    std::unique_ptr<PstStore> store(new PstStore());
    store->db_ = PstNodeDatabase::open(path);
    store->names_.load(*store->db_);
    if (!store->db_->node(kStore) || !store->db_->node(kRootFolder))
        throw PstError("The PST file is damaged: it has no message store or root folder.");
    store->store_ = store->readProperties(kStore);
    store->folder(store->ipmSubtree());
    return store;
}

void PstStore::buildBlank()
{
    const std::vector<uint32_t> hierarchy = columns({0x3001FFFF, 0x36020003, 0x36030003, 0x360A000B, 0x3613FFFF});
    const std::vector<uint32_t> contents = columns({0x00170003, 0x001AFFFF, 0x00360003, 0x0037FFFF, 0x00390040,
                                                    0x0042FFFF, 0x0E03FFFF, 0x0E04FFFF, 0x0E060040, 0x0E070003,
                                                    0x0E080003, 0x0E170003, 0x30080040});
    const std::vector<uint32_t> associated = columns({0x001AFFFF, 0x0E070003, 0x3001FFFF});
    writeTable(kTemplateHierarchy, {hierarchy, {}});
    writeTable(kTemplateContents, {contents, {}});
    writeTable(kTemplateAssociated, {associated, {}});
    writeTable(kTemplateSearchContents, {contents, {}});
    writeTable(kAttachmentTable, {columns({0x0E200003, 0x3704FFFF, 0x37050003, 0x3707FFFF, 0x370B0003}), {}});
    writeTable(kRecipientTable, {columns({0x0C150003, 0x0E0F000B, 0x0FFE0003, 0x3001FFFF, 0x3002FFFF, 0x3003FFFF,
                                          0x39000003, 0x39FEFFFF, 0x3A40000B, 0x5FF6FFFF}), {}});
    // A new file knows the names of the usual appointment properties from the start.
    for (uint32_t lid : {0x8205u, 0x8208u, 0x820Du, 0x820Eu, 0x8215u, 0x8223u})
        names_.idFor(kPsetidAppointment, lid);
    for (uint32_t lid : {0x8503u, 0x8516u, 0x8517u})
        names_.idFor(kPsetidCommon, lid);
    for (uint32_t nid : {0x1E1u, 0x201u, 0x261u, 0x281u, 0x321u})
        db_->setNode(nid, NodeEntry{});

    addFolder(kRootFolder, kRootFolder, "", "");
    const uint32_t subtree = addFolder(db_->allocateNid(kNidNormalFolder), kRootFolder, "Top of Personal Folders", "");
    const uint32_t finder = addFolder(db_->allocateNid(kNidNormalFolder), kRootFolder, "Search Root", "");
    const uint32_t deleted = addFolder(db_->allocateNid(kNidNormalFolder), subtree, "Deleted Items", "IPF.Note");
    store_[kDisplayName] = text("");
    store_[kValidFolderMask] = PropertyValue::integer(kPtLong, 0x89, 4);
    store_[kIpmSubtreeEntryId] = PropertyValue::binary(entryId(subtree));
    store_[kWastebasketEntryId] = PropertyValue::binary(entryId(deleted));
    store_[kFinderEntryId] = PropertyValue::binary(entryId(finder));
    store_[kPstPassword] = PropertyValue::integer(kPtLong, 0, 4);
    storeDirty_ = true;
}

std::vector<uint8_t> PstStore::entryId(uint32_t nid) const
{
    std::vector<uint8_t> id(4, 0);
    const auto it = store_.find(kRecordKey);
    std::vector<uint8_t> key = it != store_.end() ? it->second.data : std::vector<uint8_t>(16, 0);
    key.resize(16, 0);
    id.insert(id.end(), key.begin(), key.end());
    PstBytes::append(id, nid, 4);
    return id;
}

std::string PstStore::displayName() const
{
    const auto it = store_.find(kDisplayName);
    return it == store_.end() ? std::string() : PstText::decode(it->second.data, it->second.type == kPtUnicode);
}

void PstStore::setDisplayName(const std::string& name)
{
    store_[kDisplayName] = text(name);
    storeDirty_ = true;
}

uint32_t PstStore::ipmSubtree() const
{
    const auto it = store_.find(kIpmSubtreeEntryId);
    if (it == store_.end() || it->second.data.size() < 24)
        throw PstError("The PST file is damaged: its store does not name its top folder.");
    const uint32_t nid = static_cast<uint32_t>(PstBytes::get(it->second.data, 20, 4));
    if (!db_->node(nid))
        throw PstError("The PST file is damaged: its top folder is missing.");
    return nid;
}

PropertyMap PstStore::readProperties(uint32_t nid) const
{
    const NodeEntry* node = db_->node(nid);
    if (!node)
        throw PstError("The PST file has no item " + std::to_string(nid) + ".");
    return PstPropertyContext::read(*db_, node->bidData, db_->readSubnodes(node->bidSub));
}

void PstStore::writeProperties(uint32_t nid, uint32_t parent, const PropertyMap& properties, SubnodeMap subnodes)
{
    const auto blocks = PstPropertyContext::build(*db_, properties, subnodes);
    NodeEntry entry;
    entry.bidData = db_->writeTree(blocks);
    entry.bidSub = db_->writeSubnodes(subnodes);
    entry.parent = parent;
    db_->setNode(nid, entry);
}

void PstStore::writeTable(uint32_t nid, const PstTableContext::Table& table)
{
    SubnodeMap subnodes;
    const auto blocks = PstTableContext::build(*db_, table, subnodes);
    NodeEntry entry;
    entry.bidData = db_->writeTree(blocks);
    entry.bidSub = db_->writeSubnodes(subnodes);
    db_->setNode(nid, entry);
}

PstStore::Folder& PstStore::loadFolder(uint32_t nid)
{
    const auto it = folders_.find(nid);
    if (it != folders_.end())
        return it->second;
    Folder f;
    f.properties = readProperties(nid);
    const auto table = [&](uint32_t type, uint32_t fallback) {
        const NodeEntry* node = db_->node(sibling(nid, type));
        if (!node)
            node = db_->node(fallback);
        if (!node)
            throw PstError("The PST file is damaged: a folder has lost its tables.");
        return PstTableContext::read(*db_, node->bidData, db_->readSubnodes(node->bidSub));
    };
    f.hierarchy = table(kNidHierarchyTable, kTemplateHierarchy);
    f.contents = table(kNidContentsTable, kTemplateContents);
    f.associated = table(kNidAssocContentsTable, kTemplateAssociated);
    return folders_[nid] = std::move(f);
}

void PstStore::writeFolder(uint32_t nid, Folder& f)
{
    const NodeEntry* node = db_->node(nid);
    if (f.propertiesDirty)
        writeProperties(nid, node ? node->parent : 0, f.properties);
    if (f.hierarchyDirty)
        writeTable(sibling(nid, kNidHierarchyTable), f.hierarchy);
    // A commit after every saved message must not write the whole contents table again.
    db_->setNode(sibling(nid, kNidContentsTable), f.contentsWriter.write(*db_, f.contents));
    if (f.associatedDirty)
        writeTable(sibling(nid, kNidAssocContentsTable), f.associated);
    f.propertiesDirty = f.hierarchyDirty = f.associatedDirty = false;
}

uint32_t PstStore::addFolder(uint32_t nid, uint32_t parent, const std::string& name, const std::string& containerClass)
{
    Folder f;
    f.properties[kDisplayName] = text(name);
    f.properties[kContentCount] = PropertyValue::integer(kPtLong, 0, 4);
    f.properties[kContentUnread] = PropertyValue::integer(kPtLong, 0, 4);
    f.properties[kSubfolders] = PropertyValue::boolean(false);
    if (!containerClass.empty())
        f.properties[kContainerClass] = text(containerClass);
    const auto templateColumns = [&](uint32_t templateNid) {
        const NodeEntry* node = db_->node(templateNid);
        return node ? PstTableContext::read(*db_, node->bidData, db_->readSubnodes(node->bidSub)).columns
                    : std::vector<uint32_t>{};
    };
    f.hierarchy.columns = templateColumns(kTemplateHierarchy);
    f.contents.columns = templateColumns(kTemplateContents);
    f.associated.columns = templateColumns(kTemplateAssociated);
    db_->setNode(nid, NodeEntry{0, 0, parent});
    folders_[nid] = f;
    writeFolder(nid, folders_[nid]);
    if (parent != nid) {
        Folder& p = loadFolder(parent);
        p.dirty = p.propertiesDirty = p.hierarchyDirty = true;
        p.properties[kSubfolders] = PropertyValue::boolean(true);
        TableRow row{nid, f.properties};
        p.hierarchy.rows.push_back(row);
    }
    return nid;
}

std::vector<uint32_t> PstStore::subfolders(uint32_t folder) const
{
    std::vector<uint32_t> out;
    for (const auto& [nid, node] : db_->nodes())
        if (((nid & 0x1F) == kNidNormalFolder || (nid & 0x1F) == kNidSearchFolder) && node.parent == folder &&
            nid != folder)
            out.push_back(nid);
    return out;
}

PstFolderInfo PstStore::folder(uint32_t nid) const
{
    const auto it = folders_.find(nid);
    const PropertyMap props = it != folders_.end() ? it->second.properties : readProperties(nid);
    PstFolderInfo info;
    info.nid = nid;
    info.parent = db_->node(nid)->parent;
    info.search = (nid & 0x1F) == kNidSearchFolder;
    const auto textOf = [&](uint16_t id) {
        const auto p = props.find(id);
        return p == props.end() ? std::string() : PstText::decode(p->second.data, p->second.type == kPtUnicode);
    };
    info.name = textOf(kDisplayName);
    info.containerClass = textOf(kContainerClass);
    const auto count = props.find(kContentCount);
    if (count != props.end())
        info.contentCount = static_cast<uint32_t>(count->second.asInteger());
    return info;
}

std::optional<uint32_t> PstStore::findSubfolder(uint32_t parent, const std::string& name) const
{
    for (uint32_t nid : subfolders(parent))
        if (folder(nid).name == name)
            return nid;
    return std::nullopt;
}

uint32_t PstStore::createFolder(uint32_t parent, const std::string& name, const std::string& containerClass)
{
    if (!db_->node(parent) || (parent & 0x1F) != kNidNormalFolder)
        throw PstError("The folder to create a folder in does not exist.");
    return addFolder(db_->allocateNid(kNidNormalFolder), parent, name, containerClass);
}

std::vector<uint32_t> PstStore::messages(uint32_t folder) const
{
    std::vector<uint32_t> out;
    for (const auto& [nid, node] : db_->nodes())
        if ((nid & 0x1F) == kNidNormalMessage && node.parent == folder)
            out.push_back(nid);
    return out;
}

PstMessage PstStore::newMessage(const std::string& messageClass) const
{
    PstMessage m(unicode());
    m.setString(kMessageClass, messageClass);
    return m;
}

uint32_t PstStore::saveMessage(uint32_t folderNid, const PstMessage& message)
{
    if (message.unicode() != unicode())
        throw PstError("The message was made for a PST file of the other format.");
    if (!db_->node(folderNid) || (folderNid & 0x1F) != kNidNormalFolder)
        throw PstError("The folder to save the message in does not exist.");
    Folder& folder = loadFolder(folderNid);
    folder.dirty = folder.propertiesDirty = true;
    const uint32_t nid = db_->allocateNid(kNidNormalMessage);
    PropertyMap props;
    SubnodeMap subnodes;
    buildMessage(message, props, subnodes);
    writeProperties(nid, folderNid, props, std::move(subnodes));

    TableRow row{nid, {}};
    for (uint32_t tag : folder.contents.columns) {
        const auto it = props.find(static_cast<uint16_t>(tag >> 16));
        if (it != props.end() && it->second.type == (tag & 0xFFFF))
            row.values.insert(*it);
    }
    folder.contents.rows.push_back(std::move(row));
    const uint32_t count = static_cast<uint32_t>(folder.properties[kContentCount].asInteger()) + 1;
    folder.properties[kContentCount] = PropertyValue::integer(kPtLong, count, 4);
    if (!folder.properties.count(kContentUnread))
        folder.properties[kContentUnread] = PropertyValue::integer(kPtLong, 0, 4);
    return nid;
}

void PstStore::buildMessage(const PstMessage& message, PropertyMap& props, SubnodeMap& subnodes)
{
    if (message.unicode() != unicode())
        throw PstError("The message was made for a PST file of the other format.");
    props = message.properties();
    for (const auto& [key, value] : message.named())
        props[names_.idFor(key.first, key.second)] = value;

    PstTableContext::Table recipients;
    recipients.columns = columns({0x0C150003, 0x0E0F000B, 0x0FFE0003, 0x3001FFFF, 0x3002FFFF, 0x3003FFFF,
                                  0x39000003, 0x39FEFFFF, 0x3A40000B, 0x5FF6FFFF});
    std::string displayTo;
    for (size_t i = 0; i < message.recipients.size(); ++i) {
        const PstMessage::Recipient& r = message.recipients[i];
        TableRow row;
        row.id = static_cast<uint32_t>(i);
        row.values[kRecipientType] = PropertyValue::integer(kPtLong, static_cast<uint32_t>(r.type), 4);
        row.values[kResponsibility] = PropertyValue::boolean(true);
        row.values[kObjectType] = PropertyValue::integer(kPtLong, 6, 4);
        row.values[kDisplayName] = text(r.name);
        row.values[kAddressType] = text(r.addressType);
        row.values[kEmailAddress] = text(r.address);
        row.values[kDisplayType] = PropertyValue::integer(kPtLong, 0, 4);
        if (r.addressType == "SMTP")
            row.values[kSmtpAddress] = text(r.address);
        row.values[kSendRichInfo] = PropertyValue::boolean(false);
        row.values[kRecipientDisplayName] = text(r.name);
        recipients.rows.push_back(std::move(row));
        if (r.type == 1)
            displayTo += (displayTo.empty() ? "" : "; ") + r.name;
    }
    {
        SubnodeMap inner;
        const auto blocks = PstTableContext::build(*db_, recipients, inner);
        subnodes[kRecipientTable] = SubnodeEntry{db_->writeTree(blocks), db_->writeSubnodes(inner)};
    }
    if (!message.attachments.empty()) {
        PstTableContext::Table table;
        table.columns = columns({0x0E200003, 0x3704FFFF, 0x37050003, 0x3707FFFF, 0x370B0003});
        for (size_t i = 0; i < message.attachments.size(); ++i) {
            const PstMessage::Attachment& a = message.attachments[i];
            const uint32_t attachNid = static_cast<uint32_t>(((0x400 + i) << 5) | kNidAttachment);
            PropertyMap ap;
            SubnodeMap inner;
            ap[kAttachFilename] = text(a.name);
            ap[kAttachLongFilename] = text(a.name);
            ap[kDisplayName] = text(a.name);
            ap[kRenderingPosition] = PropertyValue::integer(kPtLong, 0xFFFFFFFFu, 4);
            if (a.message) {
                // An attached item is a message of its own in a subnode of the attachment;
                // the data object names that subnode and the message's size.
                PropertyMap itemProps;
                SubnodeMap itemSubnodes;
                buildMessage(*a.message, itemProps, itemSubnodes);
                const auto itemBlocks = PstPropertyContext::build(*db_, itemProps, itemSubnodes);
                constexpr uint32_t kItemNid = (1u << 5) | kNidNormalMessage;
                inner[kItemNid] = SubnodeEntry{db_->writeTree(itemBlocks), db_->writeSubnodes(itemSubnodes)};
                const uint64_t itemSize = itemProps.count(kMessageSize) ? itemProps[kMessageSize].asInteger() : 0;
                std::vector<uint8_t> object;
                PstBytes::append(object, kItemNid, 4);
                PstBytes::append(object, itemSize, 4);
                ap[kAttachSize] = PropertyValue::integer(kPtLong, itemSize, 4);
                ap[kAttachMethod] = PropertyValue::integer(kPtLong, 5, 4);
                ap[kAttachData] = PropertyValue{kPtObject, object};
            } else {
                ap[kAttachSize] = PropertyValue::integer(kPtLong, a.data.size(), 4);
                ap[kAttachMethod] = PropertyValue::integer(kPtLong, 1, 4);
                ap[kAttachData] = PropertyValue::binary(a.data);
            }
            const auto blocks = PstPropertyContext::build(*db_, ap, inner);
            subnodes[attachNid] = SubnodeEntry{db_->writeTree(blocks), db_->writeSubnodes(inner)};
            ap.erase(kAttachData);
            table.rows.push_back(TableRow{attachNid, ap});
        }
        SubnodeMap inner;
        const auto blocks = PstTableContext::build(*db_, table, inner);
        subnodes[kAttachmentTable] = SubnodeEntry{db_->writeTree(blocks), db_->writeSubnodes(inner)};
    }
    if (!unicode()) {
        // 8-bit text is Windows-1252; readers that do not assume it find it said here.
        for (uint16_t id : {kMessageCodepage, kInternetCodepage})
            if (!props.count(id))
                props[id] = PropertyValue::integer(kPtLong, 1252, 4);
    }
    if (!props.count(kDisplayTo))
        props[kDisplayTo] = text(displayTo);
    uint32_t flags = props.count(kMessageFlags) ? static_cast<uint32_t>(props[kMessageFlags].asInteger()) : 1;
    if (!message.attachments.empty())
        flags |= 0x10;
    props[kMessageFlags] = PropertyValue::integer(kPtLong, flags, 4);
    props[kHasAttach] = PropertyValue::boolean(!message.attachments.empty());
    size_t size = 0;
    for (const auto& [id, v] : props)
        size += v.data.size() + 8;
    for (const auto& a : message.attachments)
        size += a.data.size();
    props[kMessageSize] = PropertyValue::integer(kPtLong, size, 4);
}

PstMessage PstStore::readMessage(uint32_t nid) const
{
    const NodeEntry* node = db_->node(nid);
    if (!node)
        throw PstError("The PST file has no item " + std::to_string(nid) + ".");
    return readMessageAt(node->bidData, db_->readSubnodes(node->bidSub), 0);
}

PstMessage PstStore::readMessageAt(uint64_t bidData, const SubnodeMap& subnodes, int depth) const
{
    // Attached items nest; a damaged file must not nest them without end.
    constexpr int kDeepestAttachedItem = 16;
    if (depth > kDeepestAttachedItem)
        throw PstError("The PST file is damaged: attached items nest too deeply.");
    PstMessage m(unicode());
    for (auto& [id, value] : PstPropertyContext::read(*db_, bidData, subnodes)) {
        const auto name = id >= 0x8000 ? names_.name(id) : std::nullopt;
        if (name)
            m.named()[*name] = value;
        else
            m.set(id, value);
    }
    const auto textOf = [&](const PropertyMap& p, uint16_t id) {
        const auto it = p.find(id);
        return it == p.end() ? std::string() : PstText::decode(it->second.data, it->second.type == kPtUnicode);
    };
    const auto table = [&](uint32_t sub) {
        const auto it = subnodes.find(sub);
        if (it == subnodes.end())
            return PstTableContext::Table{};
        return PstTableContext::read(*db_, it->second.bidData, db_->readSubnodes(it->second.bidSub));
    };
    for (const TableRow& row : table(kRecipientTable).rows) {
        PstMessage::Recipient r;
        r.name = textOf(row.values, kDisplayName);
        r.address = textOf(row.values, kEmailAddress);
        r.addressType = textOf(row.values, kAddressType);
        const auto type = row.values.find(kRecipientType);
        r.type = type == row.values.end() ? 1 : static_cast<int32_t>(type->second.asInteger());
        m.recipients.push_back(r);
    }
    for (const TableRow& row : table(kAttachmentTable).rows) {
        const auto it = subnodes.find(row.id);
        if (it == subnodes.end())
            throw PstError("The PST file is damaged: an attachment is missing.");
        const SubnodeMap attachmentSubnodes = db_->readSubnodes(it->second.bidSub);
        const PropertyMap ap = PstPropertyContext::read(*db_, it->second.bidData, attachmentSubnodes);
        PstMessage::Attachment a;
        a.name = textOf(ap, kAttachLongFilename);
        if (a.name.empty())
            a.name = textOf(ap, kAttachFilename);
        const auto data = ap.find(kAttachData);
        if (data != ap.end() && data->second.type == kPtObject) {
            // An object value is a reference: the subnode that holds the object, and its size.
            if (data->second.data.size() < 4)
                throw PstError("The PST file is damaged: an attached object is missing.");
            const auto object = attachmentSubnodes.find(static_cast<uint32_t>(PstBytes::get(data->second.data, 0, 4)));
            if (object == attachmentSubnodes.end())
                throw PstError("The PST file is damaged: an attached object is missing.");
            const auto method = ap.find(kAttachMethod);
            if (method != ap.end() && method->second.asInteger() == 5)
                a.message = std::make_shared<PstMessage>(
                    readMessageAt(object->second.bidData, db_->readSubnodes(object->second.bidSub), depth + 1));
            else
                a.data = db_->readTree(object->second.bidData);
        } else if (data != ap.end()) {
            a.data = data->second.data;
        }
        m.attachments.push_back(std::move(a));
    }
    return m;
}

void PstStore::commit()
{
    // A folder's row in its parent's hierarchy table repeats its counts: bring it up to date first.
    std::vector<uint32_t> changed;
    for (const auto& [nid, f] : folders_)
        if (f.dirty)
            changed.push_back(nid);
    for (uint32_t nid : changed) {
        const uint32_t parent = db_->node(nid)->parent;
        if (parent == nid || !db_->node(parent))
            continue;
        const PropertyMap props = folders_[nid].properties;
        Folder& p = loadFolder(parent);
        for (TableRow& row : p.hierarchy.rows) {
            if (row.id != nid)
                continue;
            for (const auto& [id, value] : props)
                row.values[id] = value;
            p.dirty = p.hierarchyDirty = true;
        }
    }
    for (auto& [nid, f] : folders_) {
        if (f.dirty)
            writeFolder(nid, f);
        f.dirty = false;
    }
    names_.save(*db_);
    if (storeDirty_) {
        writeProperties(kStore, 0, store_);
        storeDirty_ = false;
    }
    db_->commit();
}

}
