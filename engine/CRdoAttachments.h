#pragma once
#include "COleDispatchDriver.h"

// Automation driver for an item's attachment collection: each operation is one invoke with a fixed DISPID.
// Objects are answered as LPDISPATCH; the caller attaches them to a driver.
class CRdoAttachments : public COleDispatchDriver {
public:
    CRdoAttachments() = default;
    explicit CRdoAttachments(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE) : COleDispatchDriver(lpDispatch, bAutoRelease) {}

    LPDISPATCH Add(const VARIANT& source, const VARIANT& kind, const VARIANT& position, const VARIANT& displayName);
};
