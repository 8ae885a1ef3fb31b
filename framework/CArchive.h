#pragma once
// Binary serialization onto a CFile. Values are stored little-endian;
// strings with a length prefix; objects with a class reference (class name
// and schema the first time, an index afterwards) so that objects are rebuilt
// through dynamic creation and shared objects stay shared.
// Reading past the end of the data throws CArchiveException(endOfFile); a
// class that is unknown, unexpected or of another schema throws badClass or
// badSchema; a reference to nothing read before throws badIndex.

#include <type_traits>
#include <unordered_map>
#include <vector>

#include "CObject.h"
#include "CString.h"

class CFile;
class CDocument;

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2,
        bNoByteSwap = 4
    };

    // The archive does not own pFile. nBufSize bytes are collected before a
    // write to the file (store) or read ahead (load); lpBuf is not needed.
    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // A storing archive writes what it holds unless bNoFlushOnDelete was given
    // or it was aborted; errors are not reported from here: call Close().
    ~CArchive();

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    BOOL IsBufferEmpty() const { return m_nPos >= m_buffer.size(); }
    CFile* GetFile() const { return m_pFile; }

    // Raw bytes; Read answers fewer than nMax at the end of the data.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    // Storing: writes the collected bytes to the file. Loading: sets the file
    // back to the first byte not yet consumed.
    void Flush();
    void Close();
    void Abort();

    // Counts: 16 bits, or 0xFFFF and 32 bits (and 0xFFFFFFFF and 64 bits).
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    void WriteObject(const CObject* pOb);
    // pClassRefRequested (or null for any) is the class the object must be of.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);
    // Schema of the object being loaded (classes with VERSIONABLE_SCHEMA);
    // answers (UINT)-1 after the first call.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }
    // Registers an object that later WriteObject/ReadObject calls refer to.
    void MapObject(const CObject* pOb);

    // Exactly bool: pointers and classes with pointer conversions must not
    // turn into a bool here.
    template <typename B>
        requires std::is_same_v<B, bool>
    CArchive& operator<<(B b)
    {
        return *this << static_cast<BYTE>(b ? 1 : 0);
    }
    CArchive& operator<<(char ch);
    CArchive& operator<<(wchar_t ch);
    CArchive& operator<<(BYTE by);
    CArchive& operator<<(short w);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(int i);
    CArchive& operator<<(UINT u);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(LONGLONG dwdw);
    CArchive& operator<<(ULONGLONG dwdw);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);

    CArchive& operator>>(bool& b);
    CArchive& operator>>(char& ch);
    CArchive& operator>>(wchar_t& ch);
    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(short& w);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(int& i);
    CArchive& operator>>(UINT& u);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(LONGLONG& dwdw);
    CArchive& operator>>(ULONGLONG& dwdw);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);

    // The document being loaded or stored, for objects that need it.
    CDocument* m_pDocument = nullptr;

private:
    template <typename T>
    CArchive& Put(T value);
    template <typename T>
    CArchive& Get(T& value);
    void ReadExactly(void* lpBuf, UINT nCount);
    [[noreturn]] void Throw(int cause) const;

    struct LoadedEntry
    {
        CRuntimeClass* pClass; // a class entry, or null for an object entry
        UINT nSchema;
        CObject* pObject;
    };

    CFile* m_pFile;
    BOOL m_bLoading;
    BOOL m_bFlushOnDelete;
    size_t m_nBufSize;
    std::vector<BYTE> m_buffer;
    size_t m_nPos = 0;
    UINT m_nObjectSchema = static_cast<UINT>(-1);
    DWORD m_nMapCount = 1; // index 0 is the null reference
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadedEntry> m_loadMap;
};

CArchive& operator<<(CArchive& ar, const CStringW& str);
CArchive& operator>>(CArchive& ar, CStringW& str);
CArchive& operator<<(CArchive& ar, const CStringA& str);
CArchive& operator>>(CArchive& ar, CStringA& str);
CArchive& operator<<(CArchive& ar, const wchar_t* psz);
CArchive& operator<<(CArchive& ar, const char* psz);
CArchive& operator<<(CArchive& ar, const CObject* pOb);
CArchive& operator>>(CArchive& ar, CObject*& pOb);
CArchive& operator>>(CArchive& ar, const CObject*& pOb);
