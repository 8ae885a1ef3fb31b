#include "COleException.h"

#include "CMemoryException.h"
#include "CNotSupportedException.h"
#include "COleDispatchException.h"

IMPLEMENT_DYNAMIC(COleException, CException)

SCODE COleException::Process(const CException* pAnyException)
{
    if (!pAnyException)
        return E_UNEXPECTED;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(pAnyException)->m_sc;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleDispatchException))) {
        SCODE sc = static_cast<const COleDispatchException*>(pAnyException)->m_scError;
        return sc ? sc : DISP_E_EXCEPTION;
    }
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CNotSupportedException)))
        return E_NOTIMPL;
    return E_UNEXPECTED;
}

CString COleException::GetMessageText() const
{
    LPWSTR buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, static_cast<DWORD>(m_sc), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    CString text(buffer, static_cast<int>(n));
    if (buffer)
        LocalFree(buffer);
    text.TrimRight();
    if (text.IsEmpty())
        text.Format(L"An OLE operation failed (error 0x%08lX).", static_cast<unsigned long>(m_sc));
    return text;
}

void AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}
