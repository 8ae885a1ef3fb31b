#include "CMemFile.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>

#include "CFileException.h"
#include "CInvalidArgException.h"
#include "CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes ? nGrowBytes : 1024), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : CMemFile()
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    Abort();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (!lpBuffer && nBufferSize)
        AfxThrowInvalidArgException();
    Abort();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nGrowBytes = nGrowBytes;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_nPosition = 0;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* buffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    m_bAutoDelete = TRUE;
    if (m_nGrowBytes == 0)
        m_nGrowBytes = 1024;
    return buffer;
}

void CMemFile::GrowFile(SIZE_T nNewSize)
{
    if (nNewSize <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    SIZE_T size = m_nBufferSize;
    while (size < nNewSize)
        size += m_nGrowBytes;
    auto* buffer = static_cast<BYTE*>(realloc(m_lpBuffer, size));
    if (!buffer)
        AfxThrowMemoryException();
    m_lpBuffer = buffer;
    m_nBufferSize = size;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    SIZE_T n = std::min<SIZE_T>(nCount, m_nFileSize - m_nPosition);
    memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    SIZE_T end = m_nPosition + nCount;
    if (end < m_nPosition)
        AfxThrowMemoryException();
    GrowFile(end);
    // A gap left by seeking past the end reads as zeros.
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = end;
    if (end > m_nFileSize)
        m_nFileSize = end;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base;
    switch (nFrom) {
    case begin: base = 0; break;
    case current: base = static_cast<LONGLONG>(m_nPosition); break;
    case end: base = static_cast<LONGLONG>(m_nFileSize); break;
    default: AfxThrowInvalidArgException();
    }
    LONGLONG position = base + lOff;
    if (position < 0 || static_cast<ULONGLONG>(position) > static_cast<SIZE_T>(-1))
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = static_cast<SIZE_T>(position);
    return static_cast<ULONGLONG>(position);
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > static_cast<SIZE_T>(-1))
        AfxThrowMemoryException();
    auto size = static_cast<SIZE_T>(dwNewLen);
    GrowFile(size);
    if (size > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, size - m_nFileSize);
    m_nFileSize = size;
    if (m_nPosition > size)
        m_nPosition = size;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    Abort();
}

void CMemFile::Abort()
{
    if (m_bAutoDelete)
        free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    m_bAutoDelete = TRUE;
    if (m_nGrowBytes == 0)
        m_nGrowBytes = 1024;
}
