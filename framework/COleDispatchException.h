#pragma once

#include "CException.h"

// Error raised by an automation method: either an application code (m_wCode)
// or a status code (m_scError), with the description shown to the user.
class COleDispatchException : public CException
{
    DECLARE_DYNAMIC(COleDispatchException)
public:
    COleDispatchException(LPCWSTR lpszDescription, UINT nHelpID, WORD wCode);

    WORD m_wCode;
    SCODE m_scError;
    CString m_strDescription;
    CString m_strSource;
    CString m_strHelpFile;
    DWORD m_dwHelpContext;

protected:
    CString GetMessageText() const override;
};

[[noreturn]] void AfxThrowOleDispatchException(WORD wCode, LPCWSTR lpszDescription, UINT nHelpID = 0);
[[noreturn]] void AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID, UINT nHelpID = static_cast<UINT>(-1));
