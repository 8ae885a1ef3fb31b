#include "CRdoAppointment.h"

void CRdoAppointment::SetSubject(LPCTSTR value)
{
    static const BYTE params[] = VTS_BSTR;
    InvokeHelper(0x0, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

CString CRdoAppointment::GetBody()
{
    CString result;
    InvokeHelper(0xB, DISPATCH_PROPERTYGET, VT_BSTR, &result, nullptr);
    return result;
}

void CRdoAppointment::SetBody(LPCTSTR value)
{
    static const BYTE params[] = VTS_BSTR;
    InvokeHelper(0xB, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

void CRdoAppointment::SetSenderAddress(LPCTSTR value)
{
    static const BYTE params[] = VTS_BSTR;
    InvokeHelper(0x32, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

void CRdoAppointment::SetSenderName(LPCTSTR value)
{
    static const BYTE params[] = VTS_BSTR;
    InvokeHelper(0x34, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

void CRdoAppointment::SetTo(LPCTSTR value)
{
    static const BYTE params[] = VTS_BSTR;
    InvokeHelper(0x40, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

void CRdoAppointment::SetSentFlag(BOOL value)
{
    static const BYTE params[] = VTS_BOOL;
    InvokeHelper(0x41, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

void CRdoAppointment::SetRtfBody(LPCTSTR value)
{
    static const BYTE params[] = VTS_BSTR;
    InvokeHelper(0x45, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

LPDISPATCH CRdoAppointment::GetAttachments()
{
    LPDISPATCH result = nullptr;
    InvokeHelper(0x49, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, nullptr);
    return result;
}

void CRdoAppointment::SetEnd(DATE value)
{
    static const BYTE params[] = VTS_DATE;
    InvokeHelper(0x6004000A, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

void CRdoAppointment::SetStart(DATE value)
{
    static const BYTE params[] = VTS_DATE;
    InvokeHelper(0x60040042, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}

void CRdoAppointment::SetLocation(LPCTSTR value)
{
    static const BYTE params[] = VTS_BSTR;
    InvokeHelper(0x60040049, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, value);
}
