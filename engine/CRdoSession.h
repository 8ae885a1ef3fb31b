#pragma once
#include "COleDispatchDriver.h"

// Automation driver for the "Redemption.RDOSession" object: each operation is one invoke with a fixed DISPID.
// Objects are answered as LPDISPATCH; the caller attaches them to a driver.
class CRdoSession : public COleDispatchDriver {
public:
    CRdoSession() = default;
    explicit CRdoSession(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE) : COleDispatchDriver(lpDispatch, bAutoRelease) {}

    BOOL GetLoggedOn();
    void Logon(const VARIANT& profileName, const VARIANT& showDialog, const VARIANT& newSession, const VARIANT& parentWindow, const VARIANT& noMailbox, const VARIANT& reserved);
    LPDISPATCH GetStores();
    void Logoff();
    CString GetVersion();
};
