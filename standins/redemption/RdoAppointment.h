#pragma once
// An item being written: its properties are kept until Save writes it into its folder.
#include <memory>

#include "PstMessage.h"
#include "RdoStore.h"

namespace rdo {

struct ItemState {
    StoreRef store;
    uint32_t folder;
    pst::PstMessage message;
    bool saved = false;
};
using ItemRef = std::shared_ptr<ItemState>;

// DISPIDs: 0 subject, 0xB body (get and put), 0x32 sender address, 0x34 sender name,
// 0x40 To, 0x41 sent flag, 0x45 RTF body, 0x49 attachments, 0x6004000A end,
// 0x60040042 start, 0x60040049 location, 6 Save. Start and end are local times,
// stored as UTC; a date the PST cannot hold (before 1601 in UTC) is refused.
class Appointment : public DispatchObject {
public:
    Appointment(StoreRef store, uint32_t folder, pst::PstMessage message);
protected:
    void call(DISPID id, const Arguments& args, VARIANT& result) override;
private:
    void setText(uint16_t property, const Arguments& args);
    ItemRef item_;
};

// DISPID 0x65 Add (file path, kind, position, display name): the file is read during the call.
class Attachments : public DispatchObject {
public:
    explicit Attachments(ItemRef item) : item_(std::move(item)) {}
protected:
    void call(DISPID id, const Arguments& args, VARIANT& result) override;
private:
    ItemRef item_;
};

// The added attachment; the engine does not use it.
class Attachment : public DispatchObject {
protected:
    void call(DISPID, const Arguments&, VARIANT&) override { unknownMember(); }
};

}
