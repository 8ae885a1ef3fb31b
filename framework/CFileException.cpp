#include "CFileException.h"

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCWSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError) {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_CANNOT_MAKE: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY: return hardIO;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
}

void CFileException::ThrowOsError(LONG lOsError, LPCWSTR lpszFileName)
{
    AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

CString CFileException::GetMessageText() const
{
    CString file = m_strFileName.IsEmpty() ? CString(L"The file") : L"The file \"" + m_strFileName + L"\"";
    switch (m_cause) {
    case none: return CString();
    case fileNotFound: return file + L" was not found.";
    case badPath: return file + L" has a path that is not valid.";
    case tooManyOpenFiles: return L"Too many files are open.";
    case accessDenied: return file + L" could not be accessed: access was denied.";
    case invalidFile: return file + L" could not be accessed: the handle is not valid.";
    case removeCurrentDir: return L"The current folder cannot be removed.";
    case directoryFull: return L"The folder is full.";
    case badSeek: return file + L" could not be positioned.";
    case hardIO: return file + L" could not be accessed because of a hardware error.";
    case sharingViolation: return file + L" is in use by another program.";
    case lockViolation: return file + L" could not be accessed: a region is locked.";
    case diskFull: return L"The disk is full.";
    case endOfFile: return file + L" ended unexpectedly.";
    default: return file + L" could not be accessed.";
    }
}

void AfxThrowFileException(int cause, LONG lOsError, LPCWSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
