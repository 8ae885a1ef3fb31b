#include "CRdoStore.h"

LPDISPATCH CRdoStore::GetRootFolder()
{
    LPDISPATCH result = nullptr;
    InvokeHelper(0x68, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, nullptr);
    return result;
}

void CRdoStore::SetName(LPCTSTR name)
{
    static const BYTE params[] = VTS_BSTR;
    InvokeHelper(0xA, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, name);
}
