#include "RdoStore.h"

#include "RdoAppointment.h"

namespace rdo {
namespace {

bool refusedFolder(const std::wstring& name)
{
    wchar_t buffer[256];
    const DWORD n = GetEnvironmentVariableW(L"ORBALIN_REDEMPTION_REFUSE_FOLDER", buffer, 256);
    return n > 0 && n < 256 && name == std::wstring(buffer, n);
}

}

StoreState::StoreState(std::unique_ptr<pst::PstStore> store, std::wstring path)
    : store_(std::move(store)), path_(std::move(path))
{
}

StoreState::~StoreState()
{
    // Items that were saved stay saved even when the caller never saved the store.
    try {
        close();
    } catch (...) {
    }
}

pst::PstStore& StoreState::store()
{
    if (!store_)
        throw AutomationError("The store has been closed");
    return *store_;
}

pst::PstStore& StoreState::change()
{
    pst::PstStore& s = store();
    changed_ = true;
    return s;
}

void StoreState::commit()
{
    pst::PstStore& s = store();
    if (changed_) {
        s.commit();
        changed_ = false;
    }
}

void StoreState::close()
{
    if (store_) {
        commit();
        store_->close();
        store_.reset();
    }
}

void Store::call(DISPID id, const Arguments& args, VARIANT& result)
{
    switch (id) {
    case 0x68:
        args.expect(DISPATCH_PROPERTYGET, 0);
        // The folders a user sees in Outlook live under the IPM subtree.
        putObject(result, new Folder(state_, state_->store().ipmSubtree()));
        return;
    case 0xA:
        args.expect(DISPATCH_PROPERTYPUT, 1);
        state_->change().setDisplayName(toUtf8(args.text(0)));
        return;
    case 6:
        args.expect(DISPATCH_METHOD, 0);
        state_->commit();
        return;
    default:
        unknownMember();
    }
}

void Folder::call(DISPID id, const Arguments& args, VARIANT& result)
{
    switch (id) {
    case 0:
        args.expect(DISPATCH_PROPERTYGET, 0);
        putText(result, fromUtf8(state_->store().folder(nid_).name));
        return;
    case 0x11:
        args.expect(DISPATCH_PROPERTYGET, 0);
        putObject(result, new Items(state_, nid_));
        return;
    case 0x12:
        args.expect(DISPATCH_PROPERTYGET, 0);
        putObject(result, new Folders(state_, nid_));
        return;
    case 6:
        // A folder save commits the store: what was saved before it stays in the file
        // even when the process is killed or the power fails a moment later.
        args.expect(DISPATCH_METHOD, 0);
        state_->commit();
        return;
    default:
        unknownMember();
    }
}

void Folders::answerChild(VARIANT& result)
{
    if (next_ < children_.size())
        putObject(result, new Folder(state_, children_[next_++]));
    else {
        V_VT(&result) = VT_DISPATCH;   // no object: the collection is exhausted
        V_DISPATCH(&result) = nullptr;
    }
}

void Folders::call(DISPID id, const Arguments& args, VARIANT& result)
{
    switch (id) {
    case 4: {
        args.expect(DISPATCH_METHOD, 2);
        const std::wstring name = args.text(0);
        if (V_VT(&args.at(1)) != VT_BSTR)
            throw DispatchFailure{DISP_E_TYPEMISMATCH, 1};
        const std::wstring containerClass = args.text(1);
        if (name.empty())
            throw AutomationError("A folder needs a name");
        if (refusedFolder(name))
            throw AutomationError("The store cannot take the folder " + toUtf8(name));
        pst::PstStore& store = state_->store();
        if (store.findSubfolder(parent_, toUtf8(name)))
            throw AutomationError("A folder with this name already exists");
        putObject(result, new Folder(state_, state_->change().createFolder(parent_, toUtf8(name), toUtf8(containerClass))));
        return;
    }
    case 5:
        args.expect(DISPATCH_METHOD, 0);
        children_ = state_->store().subfolders(parent_);
        next_ = 0;
        answerChild(result);
        return;
    case 7:
        args.expect(DISPATCH_METHOD, 0);
        answerChild(result);
        return;
    default:
        unknownMember();
    }
}

void Items::call(DISPID id, const Arguments& args, VARIANT& result)
{
    if (id != 4)
        unknownMember();
    args.expect(DISPATCH_METHOD, 1);
    const std::wstring messageClass = args.text(0);
    putObject(result, new Appointment(state_, folder_, state_->store().newMessage(toUtf8(messageClass))));
}

}
