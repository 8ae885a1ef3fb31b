#include "CFile.h"

#include <algorithm>

#include "CFileException.h"
#include "CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

CString FullPath(LPCWSTR lpszFileName)
{
    DWORD n = GetFullPathNameW(lpszFileName, 0, nullptr, nullptr);
    if (n == 0)
        return lpszFileName;
    CString path;
    n = GetFullPathNameW(lpszFileName, n, path.GetBuffer(static_cast<int>(n)), nullptr);
    path.ReleaseBuffer(static_cast<int>(n));
    return path;
}

} // namespace

CFile::CFile()
    : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile)
    : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCWSTR lpszFileName, UINT nOpenFlags)
    : CFile()
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != hFileNull)
        Abort();
    if (!lpszFileName || !*lpszFileName) {
        if (pError) {
            pError->m_cause = CFileException::badPath;
            pError->m_lOsError = ERROR_INVALID_NAME;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }

    DWORD access = 0;
    switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (nOpenFlags & osNoBuffer)
        attributes |= FILE_FLAG_NO_BUFFERING;
    if (nOpenFlags & osWriteThrough)
        attributes |= FILE_FLAG_WRITE_THROUGH;
    if (nOpenFlags & osRandomAccess)
        attributes |= FILE_FLAG_RANDOM_ACCESS;
    if (nOpenFlags & osSequentialScan)
        attributes |= FILE_FLAG_SEQUENTIAL_SCAN;
    SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};

    CString path = FullPath(lpszFileName);
    HANDLE h = CreateFileW(path, access, share, &security, creation, attributes, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (pError) {
            DWORD error = GetLastError();
            pError->m_lOsError = static_cast<LONG>(error);
            pError->m_cause = CFileException::OsErrorToException(static_cast<LONG>(error));
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = h;
    m_bCloseOnDelete = TRUE;
    m_strFileName = path;
    return TRUE;
}

void CFile::ThrowLastError() const
{
    DWORD error = m_hFile == hFileNull ? ERROR_INVALID_HANDLE : GetLastError();
    CFileException::ThrowOsError(static_cast<LONG>(error), m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    DWORD read = 0;
    if (m_hFile == hFileNull || !ReadFile(m_hFile, lpBuf, nCount, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    DWORD written = 0;
    if (m_hFile == hFileNull || !WriteFile(m_hFile, lpBuf, nCount, &written, nullptr))
        ThrowLastError();
    if (written != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom > end)
        AfxThrowInvalidArgException();
    LARGE_INTEGER distance;
    distance.QuadPart = lOff;
    LARGE_INTEGER position;
    if (m_hFile == hFileNull || !SetFilePointerEx(m_hFile, distance, &position, nFrom))
        ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (m_hFile == hFileNull || !GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER distance{};
    LARGE_INTEGER position;
    if (m_hFile == hFileNull || !SetFilePointerEx(m_hFile, distance, &position, FILE_CURRENT))
        ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

void CFile::Flush()
{
    if (m_hFile != hFileNull && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    BOOL ok = TRUE;
    if (m_hFile != hFileNull)
        ok = CloseHandle(m_hFile);
    DWORD error = GetLastError();
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (!ok)
        CFileException::ThrowOsError(static_cast<LONG>(error), name);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const
{
    int slash = std::max(m_strFileName.ReverseFind(L'\\'), m_strFileName.ReverseFind(L'/'));
    return m_strFileName.Mid(slash + 1);
}

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    BY_HANDLE_FILE_INFORMATION info;
    if (m_hFile == hFileNull || !GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    rStatus.m_ctime = info.ftCreationTime;
    rStatus.m_mtime = info.ftLastWriteTime;
    rStatus.m_atime = info.ftLastAccessTime;
    rStatus.m_size = (static_cast<ULONGLONG>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    rStatus.m_attribute = info.dwFileAttributes;
    rStatus.m_szFullName = m_strFileName;
    return TRUE;
}

BOOL CFile::GetStatus(LPCWSTR lpszFileName, CFileStatus& rStatus)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!lpszFileName || !GetFileAttributesExW(lpszFileName, GetFileExInfoStandard, &data))
        return FALSE;
    rStatus.m_ctime = data.ftCreationTime;
    rStatus.m_mtime = data.ftLastWriteTime;
    rStatus.m_atime = data.ftLastAccessTime;
    rStatus.m_size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    rStatus.m_attribute = data.dwFileAttributes;
    rStatus.m_szFullName = FullPath(lpszFileName);
    return TRUE;
}

void CFile::Rename(LPCWSTR lpszOldName, LPCWSTR lpszNewName)
{
    if (!MoveFileW(lpszOldName, lpszNewName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszOldName);
}

void CFile::Remove(LPCWSTR lpszFileName)
{
    if (!DeleteFileW(lpszFileName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
}
