#pragma once
#include "COleDispatchDriver.h"

// Automation driver for a folder's subfolder collection: each operation is one invoke with a fixed DISPID.
// Objects are answered as LPDISPATCH; the caller attaches them to a driver.
class CRdoFolders : public COleDispatchDriver {
public:
    CRdoFolders() = default;
    explicit CRdoFolders(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE) : COleDispatchDriver(lpDispatch, bAutoRelease) {}

    LPDISPATCH Add(LPCTSTR name, const VARIANT& containerClass);
    LPDISPATCH GetFirst();
    LPDISPATCH GetNext();
};
