#include "CArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCWSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

CString CArchiveException::GetMessageText() const
{
    CString text;
    switch (m_cause) {
    case none: return text;
    case readOnly: text = L"An archive opened for reading was written to"; break;
    case endOfFile: text = L"The data ended unexpectedly"; break;
    case writeOnly: text = L"An archive opened for writing was read from"; break;
    case badIndex: text = L"The data contains an invalid object reference"; break;
    case badClass: text = L"The data contains an object of an unexpected type"; break;
    case badSchema: text = L"The data contains an object of an unsupported version"; break;
    default: text = L"The data could not be read or written"; break;
    }
    if (!m_strFileName.IsEmpty())
        text += L" (\"" + m_strFileName + L"\")";
    return text + L".";
}

void AfxThrowArchiveException(int cause, LPCWSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
