#include "CStdioFile.h"

#include <algorithm>
#include <cwchar>

#include "CFileException.h"
#include "CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {
constexpr UINT kReadAhead = 4096;
}

CStdioFile::CStdioFile(LPCWSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

BOOL CStdioFile::Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_readAhead.clear();
    m_readPos = 0;
    m_pending.Empty();
    m_binary = (nOpenFlags & typeBinary) != 0;
    m_encoding = m_binary ? Encoding::Utf16 : Encoding::Unknown;
    return CFile::Open(lpszFileName, nOpenFlags & ~(typeText | typeBinary), pError);
}

void CStdioFile::DetectEncoding()
{
    if (m_encoding != Encoding::Unknown)
        return;
    m_encoding = Encoding::Ansi;
    if (CFile::GetPosition() != 0 || GetLength() < 2)
        return;
    unsigned char mark[3] = {};
    UINT n = CFile::Read(mark, 3);
    if (n == 3 && mark[0] == 0xEF && mark[1] == 0xBB && mark[2] == 0xBF) {
        m_encoding = Encoding::Utf8;
        return;
    }
    if (n >= 2 && mark[0] == 0xFF && mark[1] == 0xFE) {
        m_encoding = Encoding::Utf16;
        CFile::Seek(2, begin);
        return;
    }
    CFile::Seek(0, begin);
}

bool CStdioFile::NextByte(char& byte)
{
    if (m_readPos >= m_readAhead.size()) {
        m_readAhead.resize(kReadAhead);
        UINT n = CFile::Read(m_readAhead.data(), kReadAhead);
        m_readAhead.resize(n);
        m_readPos = 0;
        if (n == 0)
            return false;
    }
    byte = m_readAhead[m_readPos++];
    return true;
}

bool CStdioFile::ReadLine(CString& line)
{
    line.Empty();
    if (!m_pending.IsEmpty()) {
        line = m_pending;
        m_pending.Empty();
        return true;
    }
    DetectEncoding();
    std::string bytes;
    char c;
    bool any = false;
    if (m_encoding == Encoding::Utf16) {
        char high;
        while (NextByte(c)) {
            any = true;
            if (!NextByte(high)) {
                bytes += c; // a lone last byte is kept as a character of its own
                bytes += '\0';
                break;
            }
            bytes += c;
            bytes += high;
            if (c == '\n' && high == 0)
                break;
        }
        line = CString(reinterpret_cast<const wchar_t*>(bytes.data()), static_cast<int>(bytes.size() / 2));
    } else {
        while (NextByte(c)) {
            any = true;
            bytes += c;
            if (c == '\n')
                break;
        }
        UINT codePage = m_encoding == Encoding::Utf8 ? CP_UTF8 : CP_ACP;
        int count = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        if (count > 0) {
            MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), line.GetBufferSetLength(count), count);
            line.ReleaseBuffer(count);
        }
    }
    if (!m_binary && line.Right(2) == L"\r\n")
        line.Delete(line.GetLength() - 2);
    return any;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    if (!ReadLine(rString))
        return FALSE;
    if (rString.Right(1) == L"\n")
        rString.Delete(rString.GetLength() - 1);
    return TRUE;
}

LPWSTR CStdioFile::ReadString(LPWSTR lpsz, UINT nMax)
{
    if (!lpsz || nMax == 0)
        AfxThrowInvalidArgException();
    CString line;
    if (!ReadLine(line))
        return nullptr;
    int n = std::min(line.GetLength(), static_cast<int>(nMax - 1));
    wmemcpy(lpsz, line.GetString(), static_cast<size_t>(n));
    lpsz[n] = L'\0';
    m_pending = line.Mid(n);
    return lpsz;
}

void CStdioFile::WriteString(LPCWSTR lpsz)
{
    if (!lpsz)
        AfxThrowInvalidArgException();
    CString text(lpsz);
    if (m_binary) {
        Write(text.GetString(), static_cast<UINT>(text.GetLength() * sizeof(wchar_t)));
        return;
    }
    text.Replace(L"\n", L"\r\n");
    if (m_encoding == Encoding::Utf16) {
        Write(text.GetString(), static_cast<UINT>(text.GetLength() * sizeof(wchar_t)));
        return;
    }
    UINT codePage = m_encoding == Encoding::Utf8 ? CP_UTF8 : CP_ACP;
    int count = WideCharToMultiByte(codePage, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(std::max(count, 0)), '\0');
    if (count > 0)
        WideCharToMultiByte(codePage, 0, text, text.GetLength(), bytes.data(), count, nullptr, nullptr);
    Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

void CStdioFile::DropReadAhead()
{
    // The handle's position goes back to what the caller has consumed.
    size_t unread = m_readAhead.size() - m_readPos;
    m_readAhead.clear();
    m_readPos = 0;
    m_pending.Empty();
    if (unread)
        CFile::Seek(-static_cast<LONGLONG>(unread), current);
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    auto* out = static_cast<char*>(lpBuf);
    UINT fromBuffer = static_cast<UINT>(std::min<size_t>(nCount, m_readAhead.size() - m_readPos));
    std::copy_n(m_readAhead.data() + m_readPos, fromBuffer, out);
    m_readPos += fromBuffer;
    m_pending.Empty();
    return fromBuffer + (fromBuffer < nCount ? CFile::Read(out + fromBuffer, nCount - fromBuffer) : 0);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    DropReadAhead();
    CFile::Write(lpBuf, nCount);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    DropReadAhead();
    return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const
{
    return CFile::GetPosition() - (m_readAhead.size() - m_readPos);
}

void CStdioFile::SetLength(ULONGLONG dwNewLen)
{
    DropReadAhead();
    CFile::SetLength(dwNewLen);
}

void CStdioFile::Close()
{
    m_readAhead.clear();
    m_readPos = 0;
    m_pending.Empty();
    CFile::Close();
}

void CStdioFile::Abort()
{
    m_readAhead.clear();
    m_readPos = 0;
    m_pending.Empty();
    CFile::Abort();
}
