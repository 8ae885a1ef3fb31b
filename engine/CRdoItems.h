#pragma once
#include "COleDispatchDriver.h"

// Automation driver for a folder's item collection: each operation is one invoke with a fixed DISPID.
// Objects are answered as LPDISPATCH; the caller attaches them to a driver.
class CRdoItems : public COleDispatchDriver {
public:
    CRdoItems() = default;
    explicit CRdoItems(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE) : COleDispatchDriver(lpDispatch, bAutoRelease) {}

    LPDISPATCH Add(const VARIANT& messageClass);
};
