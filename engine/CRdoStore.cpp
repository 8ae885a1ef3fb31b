#include "CRdoStore.h"

LPDISPATCH CRdoStore::GetRootFolder()
{
    LPDISPATCH result = nullptr;
    GetProperty(0x68, VT_DISPATCH, &result);
    return result;
}

void CRdoStore::SetName(LPCTSTR name) { SetProperty(0xA, VT_BSTR, name); }
