#include "CRdoFolder.h"

CString CRdoFolder::GetName()
{
    CString result;
    InvokeHelper(0x0, DISPATCH_PROPERTYGET, VT_BSTR, &result, nullptr);
    return result;
}

LPDISPATCH CRdoFolder::GetItems()
{
    LPDISPATCH result = nullptr;
    InvokeHelper(0x11, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, nullptr);
    return result;
}

LPDISPATCH CRdoFolder::GetFolders()
{
    LPDISPATCH result = nullptr;
    InvokeHelper(0x12, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, nullptr);
    return result;
}

void CRdoFolder::Save()
{
    InvokeHelper(0x6, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
