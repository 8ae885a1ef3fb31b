#include "ShowMessage.h"

int ShowMessage(LPCTSTR lpszText, UINT nType)
{
    return ::MessageBoxW(nullptr, lpszText, L"Orbalin", nType);
}

void ShowSystemError(const CString& strFile, DWORD dwError)
{
    LPWSTR pBuffer = nullptr;
    const DWORD nLength = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER
                                               | FORMAT_MESSAGE_IGNORE_INSERTS,
                                           nullptr, dwError, 0, reinterpret_cast<LPWSTR>(&pBuffer), 0, nullptr);
    CString strError;
    if (pBuffer != nullptr) {
        strError = CString(pBuffer, static_cast<int>(nLength));
        ::LocalFree(pBuffer);
    }
    strError.TrimRight();
    if (strError.IsEmpty())
        strError.Format(L"Error %lu.", static_cast<unsigned long>(dwError));
    // The system's texts name the file as their first insert.
    strError.Replace(L"%1", strFile.Mid(strFile.ReverseFind(L'\\') + 1));
    ShowMessage(strFile + L"\r\n\r\n" + strError, MB_OK | MB_ICONERROR);
}
