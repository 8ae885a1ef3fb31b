#include "CRdoFolders.h"

LPDISPATCH CRdoFolders::Add(LPCTSTR name, const VARIANT& containerClass)
{
    static const BYTE params[] = VTS_BSTR VTS_VARIANT;
    LPDISPATCH result = nullptr;
    InvokeHelper(0x4, DISPATCH_METHOD, VT_DISPATCH, &result, params, name, &containerClass);
    return result;
}

LPDISPATCH CRdoFolders::GetFirst()
{
    LPDISPATCH result = nullptr;
    InvokeHelper(0x5, DISPATCH_METHOD, VT_DISPATCH, &result, nullptr);
    return result;
}

LPDISPATCH CRdoFolders::GetNext()
{
    LPDISPATCH result = nullptr;
    InvokeHelper(0x7, DISPATCH_METHOD, VT_DISPATCH, &result, nullptr);
    return result;
}
