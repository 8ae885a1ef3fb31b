#include "COleDispatchException.h"

IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleDispatchException::COleDispatchException(LPCWSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_scError(wCode ? 0 : DISP_E_EXCEPTION), m_strDescription(lpszDescription), m_dwHelpContext(nHelpID)
{
}

CString COleDispatchException::GetMessageText() const
{
    return m_strDescription;
}

void AfxThrowOleDispatchException(WORD wCode, LPCWSTR lpszDescription, UINT nHelpID)
{
    throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}

void AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID, UINT nHelpID)
{
    CString description;
    description.LoadString(nDescriptionID);
    throw new COleDispatchException(description, nHelpID == static_cast<UINT>(-1) ? nDescriptionID : nHelpID, wCode);
}
