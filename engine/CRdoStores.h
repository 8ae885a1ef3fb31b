#pragma once
#include "COleDispatchDriver.h"

// Automation driver for a session's store collection: each operation is one invoke with a fixed DISPID.
// Objects are answered as LPDISPATCH; the caller attaches them to a driver.
class CRdoStores : public COleDispatchDriver {
public:
    CRdoStores() = default;
    explicit CRdoStores(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE) : COleDispatchDriver(lpDispatch, bAutoRelease) {}

    LPDISPATCH AddPstStore(LPCTSTR path, const VARIANT& format, const VARIANT& displayName);
};
