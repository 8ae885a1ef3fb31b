#include "CRdoItems.h"

LPDISPATCH CRdoItems::Add(const VARIANT& messageClass)
{
    static const BYTE params[] = VTS_VARIANT;
    LPDISPATCH result = nullptr;
    InvokeHelper(0x4, DISPATCH_METHOD, VT_DISPATCH, &result, params, &messageClass);
    return result;
}
