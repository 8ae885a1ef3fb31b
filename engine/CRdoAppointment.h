#pragma once
#include "COleDispatchDriver.h"

// Automation driver for an appointment item; it is saved through CRdoFolder::Save: each operation is one invoke with a fixed DISPID.
// Objects are answered as LPDISPATCH; the caller attaches them to a driver.
class CRdoAppointment : public COleDispatchDriver {
public:
    CRdoAppointment() = default;
    explicit CRdoAppointment(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE) : COleDispatchDriver(lpDispatch, bAutoRelease) {}

    void SetSubject(LPCTSTR value);
    CString GetBody();
    void SetBody(LPCTSTR value);
    void SetSenderAddress(LPCTSTR value);
    void SetSenderName(LPCTSTR value);
    void SetTo(LPCTSTR value);
    void SetSentFlag(BOOL value);
    void SetRtfBody(LPCTSTR value);
    LPDISPATCH GetAttachments();
    void SetEnd(DATE value);
    void SetStart(DATE value);
    void SetLocation(LPCTSTR value);
};
