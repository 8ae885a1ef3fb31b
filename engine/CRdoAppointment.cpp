#include "CRdoAppointment.h"

void CRdoAppointment::SetSubject(LPCTSTR value) { SetProperty(0x0, VT_BSTR, value); }

CString CRdoAppointment::GetBody()
{
    CString result;
    GetProperty(0xB, VT_BSTR, &result);
    return result;
}

void CRdoAppointment::SetBody(LPCTSTR value) { SetProperty(0xB, VT_BSTR, value); }

void CRdoAppointment::SetSenderAddress(LPCTSTR value) { SetProperty(0x32, VT_BSTR, value); }

void CRdoAppointment::SetSenderName(LPCTSTR value) { SetProperty(0x34, VT_BSTR, value); }

void CRdoAppointment::SetTo(LPCTSTR value) { SetProperty(0x40, VT_BSTR, value); }

void CRdoAppointment::SetSentFlag(BOOL value) { SetProperty(0x41, VT_BOOL, value); }

void CRdoAppointment::SetRtfBody(LPCTSTR value) { SetProperty(0x45, VT_BSTR, value); }

LPDISPATCH CRdoAppointment::GetAttachments()
{
    LPDISPATCH result = nullptr;
    GetProperty(0x49, VT_DISPATCH, &result);
    return result;
}

void CRdoAppointment::SetEnd(DATE value) { SetProperty(0x6004000A, VT_DATE, value); }

void CRdoAppointment::SetStart(DATE value) { SetProperty(0x60040042, VT_DATE, value); }

void CRdoAppointment::SetLocation(LPCTSTR value) { SetProperty(0x60040049, VT_BSTR, value); }
