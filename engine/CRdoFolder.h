#pragma once
#include "COleDispatchDriver.h"

// Automation driver for a folder; its Save also serves items and stores: each operation is one invoke with a fixed DISPID.
// Objects are answered as LPDISPATCH; the caller attaches them to a driver.
class CRdoFolder : public COleDispatchDriver {
public:
    CRdoFolder() = default;
    explicit CRdoFolder(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE) : COleDispatchDriver(lpDispatch, bAutoRelease) {}

    CString GetName();
    LPDISPATCH GetItems();
    LPDISPATCH GetFolders();
    void Save();
};
