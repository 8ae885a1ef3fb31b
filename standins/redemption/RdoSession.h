#pragma once
// The session object that "Redemption.RDOSession" creates, and its store collection.
#include <memory>
#include <vector>

#include "RdoStore.h"

namespace rdo {

struct SessionState {
    bool loggedOn = false;
    std::vector<StoreRef> stores;
    void logoff();   // commits and closes every store
};
using SessionRef = std::shared_ptr<SessionState>;

// DISPIDs: 2 get logged-on, 4 Logon (six arguments), 6 get stores, 0x12 Logoff,
// 0x6002001D get version (ORBALIN_REDEMPTION_VERSION when set, for tests).
class Session : public DispatchObject {
public:
    Session() : state_(std::make_shared<SessionState>()) {}
    ~Session() override;
protected:
    void call(DISPID id, const Arguments& args, VARIANT& result) override;
private:
    SessionRef state_;
};

// DISPID 5 AddPstStore (path, two integers): opens the PST file, or creates a Unicode one
// when nothing is at the path. A file that is not a sound PST is refused and left as it is.
class Stores : public DispatchObject {
public:
    explicit Stores(SessionRef session) : session_(std::move(session)) {}
protected:
    void call(DISPID id, const Arguments& args, VARIANT& result) override;
private:
    SessionRef session_;
};

}
