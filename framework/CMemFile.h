#pragma once
// A file in memory. Its own buffer grows by nGrowBytes steps; a buffer
// attached with nGrowBytes 0 is fixed in size (writing past it throws
// CMemoryException). Buffers are malloc memory: Detach hands the buffer to the
// caller, who frees it with free().

#include "CFile.h"

class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // The file then reads the buffer's nBufferSize bytes (nGrowBytes 0) or
    // starts empty on it (nGrowBytes > 0, the buffer must be malloc memory).
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    BYTE* Detach();

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG dwNewLen) override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    void GrowFile(SIZE_T nNewSize);

    UINT m_nGrowBytes;
    SIZE_T m_nPosition;
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete; // the buffer is ours to free
};
