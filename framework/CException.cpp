#include "CException.h"

#include <algorithm>
#include <cwchar>

#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)

namespace {
// The block the last CException::operator new of this thread handed out, so
// the constructor can tell heap objects from others.
thread_local void* t_lastAllocated = nullptr;
} // namespace

void* CException::operator new(size_t size)
{
    void* p = ::operator new(size);
    t_lastAllocated = p;
    return p;
}

void CException::operator delete(void* p) noexcept
{
    ::operator delete(p);
}

CException::CException(BOOL bAutoDelete)
    : m_bAutoDelete(bAutoDelete && t_lastAllocated == this)
{
    t_lastAllocated = nullptr;
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CString CException::GetMessageText() const
{
    return CString();
}

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    CString text = GetMessageText();
    if (lpszError && nMaxError > 0) {
        UINT n = std::min(static_cast<UINT>(text.GetLength()), nMaxError - 1);
        wmemcpy(lpszError, text.GetString(), n);
        lpszError[n] = L'\0';
    }
    return !text.IsEmpty();
}

int CException::ReportError(UINT nType, UINT nMessageID) const
{
    CString text = GetMessageText();
    if (text.IsEmpty() && nMessageID)
        text.LoadString(nMessageID);
    if (text.IsEmpty())
        text = L"No error message is available.";
    return AfxMessageBox(text, nType);
}
