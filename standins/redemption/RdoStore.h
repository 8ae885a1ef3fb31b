#pragma once
// The store side of the stand-in: one opened PST file and the objects that reach into it.
#include <memory>
#include <string>
#include <vector>

#include "DispatchObject.h"
#include "PstStore.h"

namespace rdo {

// One PST file opened by a session. Saved items are written into the file at once; commit
// makes them part of it (folder Save, store Save, logoff, or the last object letting go of
// the store).
class StoreState {
public:
    StoreState(std::unique_ptr<pst::PstStore> store, std::wstring path);
    ~StoreState();
    pst::PstStore& store();
    // The store for a change: the next commit writes it. A store that was only read is
    // never rewritten.
    pst::PstStore& change();
    void commit();
    void close();   // commits and lets the file go
    const std::wstring& path() const { return path_; }

private:
    std::unique_ptr<pst::PstStore> store_;
    std::wstring path_;
    bool changed_ = false;
};
using StoreRef = std::shared_ptr<StoreState>;

// DISPIDs: 0x68 get root folder, 0xA put display name, 6 Save.
class Store : public DispatchObject {
public:
    explicit Store(StoreRef state) : state_(std::move(state)) {}
protected:
    void call(DISPID id, const Arguments& args, VARIANT& result) override;
private:
    StoreRef state_;
};

// DISPIDs: 0 get name, 0x11 get items, 0x12 get subfolders, 6 Save.
class Folder : public DispatchObject {
public:
    Folder(StoreRef state, uint32_t nid) : state_(std::move(state)), nid_(nid) {}
protected:
    void call(DISPID id, const Arguments& args, VARIANT& result) override;
private:
    StoreRef state_;
    uint32_t nid_;
};

// DISPIDs: 4 Add (name, container class), 5 GetFirst, 7 GetNext. For tests, Add refuses
// the folder named by ORBALIN_REDEMPTION_REFUSE_FOLDER, as a store that cannot take it.
class Folders : public DispatchObject {
public:
    Folders(StoreRef state, uint32_t parent) : state_(std::move(state)), parent_(parent) {}
protected:
    void call(DISPID id, const Arguments& args, VARIANT& result) override;
private:
    void answerChild(VARIANT& result);
    StoreRef state_;
    uint32_t parent_;
    std::vector<uint32_t> children_;
    size_t next_ = 0;
};

// DISPID 4 Add (message class): a new, unsaved item of the folder.
class Items : public DispatchObject {
public:
    Items(StoreRef state, uint32_t folder) : state_(std::move(state)), folder_(folder) {}
protected:
    void call(DISPID id, const Arguments& args, VARIANT& result) override;
private:
    StoreRef state_;
    uint32_t folder_;
};

}
