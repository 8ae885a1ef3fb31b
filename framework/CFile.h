#pragma once
// A file on disk behind a Windows handle. Failures throw CFileException,
// except Open, which answers FALSE and fills the optional exception object.

#include "CObject.h"
#include "CString.h"

class CFileException;

struct CFileStatus
{
    FILETIME m_ctime;    // creation
    FILETIME m_mtime;    // last write
    FILETIME m_atime;    // last access
    ULONGLONG m_size;
    DWORD m_attribute;   // FILE_ATTRIBUTE_* bits
    CString m_szFullName;
};

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000,
    };
    enum Attribute
    {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };

    static const HANDLE hFileNull;

    CFile();
    // Wraps a handle the caller opened; it is not closed on destruction.
    explicit CFile(HANDLE hFile);
    // Opens or throws CFileException.
    CFile(LPCWSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    operator HANDLE() const { return m_hFile; }

    virtual BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    void SeekToBegin() { Seek(0, begin); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetPosition() const;
    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors.
    virtual void Abort();

    virtual CString GetFilePath() const { return m_strFileName; }
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual void SetFilePath(LPCWSTR lpszNewName) { m_strFileName = lpszNewName; }

    BOOL GetStatus(CFileStatus& rStatus) const;
    static BOOL GetStatus(LPCWSTR lpszFileName, CFileStatus& rStatus);
    static void Rename(LPCWSTR lpszOldName, LPCWSTR lpszNewName);
    static void Remove(LPCWSTR lpszFileName);

    HANDLE m_hFile;

protected:
    [[noreturn]] void ThrowLastError() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
