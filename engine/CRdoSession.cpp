#include "CRdoSession.h"

BOOL CRdoSession::GetLoggedOn()
{
    BOOL result = FALSE;
    GetProperty(0x2, VT_BOOL, &result);
    return result;
}

void CRdoSession::Logon(const VARIANT& profileName, const VARIANT& showDialog, const VARIANT& newSession, const VARIANT& parentWindow, const VARIANT& noMailbox, const VARIANT& reserved)
{
    static const BYTE params[] = VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT;
    InvokeHelper(0x4, DISPATCH_METHOD, VT_EMPTY, nullptr, params, &profileName, &showDialog, &newSession, &parentWindow,
                 &noMailbox, &reserved);
}

LPDISPATCH CRdoSession::GetStores()
{
    LPDISPATCH result = nullptr;
    GetProperty(0x6, VT_DISPATCH, &result);
    return result;
}

void CRdoSession::Logoff()
{
    InvokeHelper(0x12, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}

CString CRdoSession::GetVersion()
{
    CString result;
    GetProperty(0x6002001D, VT_BSTR, &result);
    return result;
}
