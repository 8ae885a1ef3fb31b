#pragma once
// A file read and written as lines of text. In text mode (the default) lines
// end in CR LF on disk and in "\n" in memory, and text is stored in the ANSI
// code page, unless the file starts with a UTF-8 or UTF-16 byte-order mark,
// which reading recognises and writing then keeps. typeBinary stores UTF-16
// characters as they are.

#include <string>

#include "CFile.h"

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    // Opens or throws CFileException.
    CStdioFile(LPCWSTR lpszFileName, UINT nOpenFlags);

    BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // The next line without its line end; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);
    // Up to nMax - 1 characters of the line, with its "\n" if it fits; null at the end.
    virtual LPWSTR ReadString(LPWSTR lpsz, UINT nMax);
    virtual void WriteString(LPCWSTR lpsz);

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    void Close() override;
    void Abort() override;

private:
    enum class Encoding { Unknown, Ansi, Utf8, Utf16 };

    void DetectEncoding();
    bool NextByte(char& byte);
    // Reads through the next "\n"; false when the file is at its end.
    bool ReadLine(CString& line);
    void DropReadAhead();

    bool m_binary = false;
    Encoding m_encoding = Encoding::Unknown;
    std::string m_readAhead;
    size_t m_readPos = 0;
    CString m_pending; // rest of a line a bounded ReadString left over
};
