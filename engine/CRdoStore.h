#pragma once
#include "COleDispatchDriver.h"

// Automation driver for one PST store: each operation is one invoke with a fixed DISPID.
// Objects are answered as LPDISPATCH; the caller attaches them to a driver.
class CRdoStore : public COleDispatchDriver {
public:
    CRdoStore() = default;
    explicit CRdoStore(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE) : COleDispatchDriver(lpDispatch, bAutoRelease) {}

    LPDISPATCH GetRootFolder();
    void SetName(LPCTSTR name);
};
