#include "CRdoFolder.h"

CString CRdoFolder::GetName()
{
    CString result;
    GetProperty(0x0, VT_BSTR, &result);
    return result;
}

LPDISPATCH CRdoFolder::GetItems()
{
    LPDISPATCH result = nullptr;
    GetProperty(0x11, VT_DISPATCH, &result);
    return result;
}

LPDISPATCH CRdoFolder::GetFolders()
{
    LPDISPATCH result = nullptr;
    GetProperty(0x12, VT_DISPATCH, &result);
    return result;
}

void CRdoFolder::Save()
{
    InvokeHelper(0x6, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
