#include "CRdoStores.h"

LPDISPATCH CRdoStores::AddPstStore(LPCTSTR path, const VARIANT& format, const VARIANT& displayName)
{
    static const BYTE params[] = VTS_BSTR VTS_VARIANT VTS_VARIANT;
    LPDISPATCH result = nullptr;
    InvokeHelper(0x5, DISPATCH_METHOD, VT_DISPATCH, &result, params, path, &format, &displayName);
    return result;
}
