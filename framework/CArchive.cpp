#include "CArchive.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "CArchiveException.h"
#include "CFile.h"
#include "CInvalidArgException.h"

namespace {

constexpr WORD wNullTag = 0;
constexpr WORD wNewClassTag = 0xFFFF;
constexpr WORD wClassTag = 0x8000;
constexpr DWORD dwBigClassTag = 0x80000000;
constexpr WORD wBigObjectTag = 0x7FFF;
constexpr UINT kNoSchema = 0xFFFF;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void*)
    : m_pFile(pFile), m_bLoading((nMode & load) != 0), m_bFlushOnDelete((nMode & bNoFlushOnDelete) == 0),
      m_nBufSize(static_cast<size_t>(std::max(nBufSize, 128)))
{
    if (!pFile)
        AfxThrowInvalidArgException();
    m_buffer.reserve(m_nBufSize);
    m_loadMap.push_back({nullptr, 0, nullptr});
}

CArchive::~CArchive()
{
    if (m_pFile && !m_bLoading && m_bFlushOnDelete) {
        try {
            Flush();
        } catch (CException* e) {
            e->Delete();
        }
    }
}

void CArchive::Throw(int cause) const
{
    AfxThrowArchiveException(cause, m_pFile ? m_pFile->GetFilePath().GetString() : nullptr);
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    if (!m_bLoading)
        Throw(CArchiveException::writeOnly);
    if (!m_pFile)
        Throw(CArchiveException::genericException);
    if (nMax == 0)
        return 0;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    auto* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nMax) {
        if (m_nPos >= m_buffer.size()) {
            UINT want = nMax - done;
            if (want >= m_nBufSize) {
                // Large reads bypass the buffer.
                UINT n = m_pFile->Read(out + done, want);
                done += n;
                if (n == 0)
                    break;
                continue;
            }
            m_buffer.resize(m_nBufSize);
            UINT n = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_nBufSize));
            m_buffer.resize(n);
            m_nPos = 0;
            if (n == 0)
                break;
        }
        size_t n = std::min<size_t>(nMax - done, m_buffer.size() - m_nPos);
        memcpy(out + done, m_buffer.data() + m_nPos, n);
        m_nPos += n;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        Throw(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    if (m_bLoading)
        Throw(CArchiveException::readOnly);
    if (!m_pFile)
        Throw(CArchiveException::genericException);
    if (nMax == 0)
        return;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    if (m_buffer.size() + nMax > m_nBufSize) {
        Flush();
        if (nMax >= m_nBufSize) {
            m_pFile->Write(lpBuf, nMax);
            return;
        }
    }
    auto* in = static_cast<const BYTE*>(lpBuf);
    m_buffer.insert(m_buffer.end(), in, in + nMax);
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (m_bLoading) {
        size_t unread = m_buffer.size() - m_nPos;
        m_buffer.clear();
        m_nPos = 0;
        if (unread)
            m_pFile->Seek(-static_cast<LONGLONG>(unread), CFile::current);
        return;
    }
    if (!m_buffer.empty()) {
        // Cleared first, so a failing write is not repeated by the destructor.
        std::vector<BYTE> pending;
        pending.swap(m_buffer);
        m_buffer.reserve(m_nBufSize);
        m_pFile->Write(pending.data(), static_cast<UINT>(pending.size()));
    }
}

void CArchive::Close()
{
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_buffer.clear();
    m_nPos = 0;
    m_pFile = nullptr;
}

template <typename T>
CArchive& CArchive::Put(T value)
{
    Write(&value, sizeof(value));
    return *this;
}

template <typename T>
CArchive& CArchive::Get(T& value)
{
    ReadExactly(&value, sizeof(value));
    return *this;
}

CArchive& CArchive::operator<<(char ch) { return Put(ch); }
CArchive& CArchive::operator<<(wchar_t ch) { return Put(static_cast<WORD>(ch)); }
CArchive& CArchive::operator<<(BYTE by) { return Put(by); }
CArchive& CArchive::operator<<(short w) { return Put(w); }
CArchive& CArchive::operator<<(WORD w) { return Put(w); }
CArchive& CArchive::operator<<(int i) { return Put(static_cast<LONG>(i)); }
CArchive& CArchive::operator<<(UINT u) { return Put(static_cast<DWORD>(u)); }
CArchive& CArchive::operator<<(LONG l) { return Put(l); }
CArchive& CArchive::operator<<(DWORD dw) { return Put(dw); }
CArchive& CArchive::operator<<(LONGLONG dwdw) { return Put(dwdw); }
CArchive& CArchive::operator<<(ULONGLONG dwdw) { return Put(dwdw); }
CArchive& CArchive::operator<<(float f) { return Put(f); }
CArchive& CArchive::operator<<(double d) { return Put(d); }

CArchive& CArchive::operator>>(bool& b)
{
    BYTE by;
    Get(by);
    b = by != 0;
    return *this;
}
CArchive& CArchive::operator>>(char& ch) { return Get(ch); }
CArchive& CArchive::operator>>(wchar_t& ch)
{
    WORD w;
    Get(w);
    ch = static_cast<wchar_t>(w);
    return *this;
}
CArchive& CArchive::operator>>(BYTE& by) { return Get(by); }
CArchive& CArchive::operator>>(short& w) { return Get(w); }
CArchive& CArchive::operator>>(WORD& w) { return Get(w); }
CArchive& CArchive::operator>>(int& i)
{
    LONG l;
    Get(l);
    i = static_cast<int>(l);
    return *this;
}
CArchive& CArchive::operator>>(UINT& u)
{
    DWORD dw;
    Get(dw);
    u = static_cast<UINT>(dw);
    return *this;
}
CArchive& CArchive::operator>>(LONG& l) { return Get(l); }
CArchive& CArchive::operator>>(DWORD& dw) { return Get(dw); }
CArchive& CArchive::operator>>(LONGLONG& dwdw) { return Get(dwdw); }
CArchive& CArchive::operator>>(ULONGLONG& dwdw) { return Get(dwdw); }
CArchive& CArchive::operator>>(float& f) { return Get(f); }
CArchive& CArchive::operator>>(double& d) { return Get(d); }

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
        return;
    }
    *this << static_cast<WORD>(0xFFFF);
    if (static_cast<ULONGLONG>(dwCount) < 0xFFFFFFFFull) {
        *this << static_cast<DWORD>(dwCount);
        return;
    }
    *this << static_cast<DWORD>(0xFFFFFFFF) << static_cast<ULONGLONG>(dwCount);
}

DWORD_PTR CArchive::ReadCount()
{
    WORD w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    DWORD dw;
    *this >> dw;
    if (dw != 0xFFFFFFFF)
        return dw;
    ULONGLONG qw;
    *this >> qw;
    if (qw > static_cast<DWORD_PTR>(-1))
        Throw(CArchiveException::genericException);
    return static_cast<DWORD_PTR>(qw);
}

void CArchive::MapObject(const CObject* pOb)
{
    if (m_bLoading)
        m_loadMap.push_back({nullptr, 0, const_cast<CObject*>(pOb)});
    else if (pOb && m_storeMap.emplace(pOb, m_nMapCount).second)
        ++m_nMapCount;
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    if (m_bLoading)
        Throw(CArchiveException::readOnly);
    if (!pClassRef || pClassRef->m_wSchema == kNoSchema)
        Throw(CArchiveException::badClass);
    auto found = m_storeMap.find(pClassRef);
    if (found != m_storeMap.end()) {
        DWORD index = found->second;
        if (index < wBigObjectTag)
            *this << static_cast<WORD>(wClassTag | index);
        else
            *this << wBigObjectTag << static_cast<DWORD>(dwBigClassTag | index);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    m_storeMap.emplace(pClassRef, m_nMapCount++);
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (m_bLoading)
        Throw(CArchiveException::readOnly);
    if (!pOb) {
        *this << wNullTag;
        return;
    }
    auto found = m_storeMap.find(pOb);
    if (found != m_storeMap.end()) {
        DWORD index = found->second;
        if (index < wBigObjectTag)
            *this << static_cast<WORD>(index);
        else
            *this << wBigObjectTag << index;
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    m_storeMap.emplace(pOb, m_nMapCount++);
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    if (!m_bLoading)
        Throw(CArchiveException::writeOnly);
    WORD tag;
    *this >> tag;
    DWORD obTag;
    if (tag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = (static_cast<DWORD>(tag & wClassTag) << 16) | (tag & ~wClassTag);

    if (tag != wNewClassTag && !(obTag & dwBigClassTag)) {
        // A reference to an object (or null), not a class.
        if (!pObTag)
            Throw(CArchiveException::badIndex);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef;
    UINT nSchema;
    if (tag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (!pClassRef)
            Throw(CArchiveException::badClass);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            Throw(CArchiveException::badSchema);
        m_loadMap.push_back({pClassRef, nSchema, nullptr});
    } else {
        DWORD index = obTag & ~dwBigClassTag;
        if (index == 0 || index >= m_loadMap.size() || !m_loadMap[index].pClass)
            Throw(CArchiveException::badIndex);
        pClassRef = m_loadMap[index].pClass;
        nSchema = m_loadMap[index].nSchema;
    }
    if (pClassRefRequested && !pClassRef->IsDerivedFrom(pClassRefRequested))
        Throw(CArchiveException::badClass);
    m_nObjectSchema = nSchema;
    if (pSchema)
        *pSchema = nSchema;
    if (pObTag)
        *pObTag = 0;
    return pClassRef;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, nullptr, &obTag);
    if (!pClassRef) {
        if (obTag == 0)
            return nullptr;
        if (obTag >= m_loadMap.size() || m_loadMap[obTag].pClass)
            Throw(CArchiveException::badIndex);
        CObject* pOb = m_loadMap[obTag].pObject;
        if (pClassRefRequested && pOb && !pOb->IsKindOf(pClassRefRequested))
            Throw(CArchiveException::badClass);
        return pOb;
    }
    CObject* pOb = pClassRef->CreateObject();
    if (!pOb)
        Throw(CArchiveException::badClass);
    m_loadMap.push_back({nullptr, 0, pOb});
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // The half-read object is of no use to anyone; later references to it
        // cannot be read either, since the archive is now broken.
        m_loadMap.back().pObject = nullptr;
        delete pOb;
        throw;
    }
    return pOb;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (m_bLoading)
        ReadClass(pClassRef);
    else
        WriteClass(pClassRef);
}

UINT CArchive::GetObjectSchema()
{
    UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nSchema;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    auto length = static_cast<WORD>(strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema & ~VERSIONABLE_SCHEMA) << length;
    ar.Write(m_lpszClassName, length);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD schema;
    WORD length;
    ar >> schema >> length;
    std::string name(length, '\0');
    if (ar.Read(name.data(), length) != length)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    if (pwSchemaNum)
        *pwSchemaNum = schema;
    return FromName(name.c_str());
}

namespace {

// String length prefix: a byte, or 0xFF and a word, or 0xFFFF and a dword.
// UTF-16 text is marked by 0xFF 0xFFFE in front.
void WriteStringLength(CArchive& ar, size_t length, bool wide)
{
    if (wide)
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFE);
    if (length < 0xFF) {
        ar << static_cast<BYTE>(length);
        return;
    }
    ar << static_cast<BYTE>(0xFF);
    if (length < 0xFFFE) {
        ar << static_cast<WORD>(length);
        return;
    }
    ar << static_cast<WORD>(0xFFFF);
    if (length < 0xFFFFFFFF) {
        ar << static_cast<DWORD>(length);
        return;
    }
    ar << static_cast<DWORD>(0xFFFFFFFF) << static_cast<ULONGLONG>(length);
}

ULONGLONG ReadStringLength(CArchive& ar, bool& wide)
{
    wide = false;
    BYTE b;
    ar >> b;
    if (b < 0xFF)
        return b;
    WORD w;
    ar >> w;
    if (w == 0xFFFE) {
        wide = true;
        ar >> b;
        if (b < 0xFF)
            return b;
        ar >> w;
    }
    if (w < 0xFFFF)
        return w;
    DWORD dw;
    ar >> dw;
    if (dw < 0xFFFFFFFF)
        return dw;
    ULONGLONG qw;
    ar >> qw;
    return qw;
}

// Reads the characters in pieces, so that a damaged length runs into the end
// of the data instead of allocating whatever it claims.
template <typename CHAR>
std::basic_string<CHAR> ReadChars(CArchive& ar, ULONGLONG count)
{
    if (count > 0x7FFFFFFF)
        AfxThrowArchiveException(CArchiveException::genericException);
    std::basic_string<CHAR> text;
    constexpr size_t kPiece = 65536;
    while (text.size() < count) {
        size_t n = std::min<size_t>(kPiece, static_cast<size_t>(count) - text.size());
        size_t at = text.size();
        text.resize(at + n);
        UINT bytes = static_cast<UINT>(n * sizeof(CHAR));
        if (ar.Read(text.data() + at, bytes) != bytes)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.GetFile() ? ar.GetFile()->GetFilePath().GetString() : nullptr);
    }
    return text;
}

template <typename STRING>
void ReadString(CArchive& ar, STRING& str)
{
    bool wide;
    ULONGLONG length = ReadStringLength(ar, wide);
    if (wide) {
        std::wstring text = ReadChars<wchar_t>(ar, length);
        str = STRING(CStringW(text.c_str(), static_cast<int>(text.size())));
    } else {
        std::string text = ReadChars<char>(ar, length);
        str = STRING(CStringA(text.c_str(), static_cast<int>(text.size())));
    }
}

} // namespace

CArchive& operator<<(CArchive& ar, const CStringW& str)
{
    WriteStringLength(ar, static_cast<size_t>(str.GetLength()), true);
    ar.Write(str.GetString(), static_cast<UINT>(str.GetLength() * sizeof(wchar_t)));
    return ar;
}

CArchive& operator>>(CArchive& ar, CStringW& str)
{
    ReadString(ar, str);
    return ar;
}

CArchive& operator<<(CArchive& ar, const CStringA& str)
{
    WriteStringLength(ar, static_cast<size_t>(str.GetLength()), false);
    ar.Write(str.GetString(), static_cast<UINT>(str.GetLength()));
    return ar;
}

CArchive& operator>>(CArchive& ar, CStringA& str)
{
    ReadString(ar, str);
    return ar;
}

CArchive& operator<<(CArchive& ar, const wchar_t* psz)
{
    return ar << CStringW(psz);
}

CArchive& operator<<(CArchive& ar, const char* psz)
{
    return ar << CStringA(psz);
}

CArchive& operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}
