#include "CXTPPropExchangeArchive.h"

#include <cstdlib>
#include <cstring>

#include "ArchiveByteSource.h"
#include "CArchive.h"
#include "CArchiveException.h"
#include "COleDateTime.h"

IMPLEMENT_DYNAMIC(CXTPPropExchangeArchive, CXTPPropExchange)

CXTPPropExchangeArchive::CXTPPropExchangeArchive(CArchive& ar) : m_ar(ar)
{
    m_bLoading = ar.IsLoading();
}

BOOL CXTPPropExchangeArchive::ExchangeProp(LPCTSTR, UINT nType, void* pvProp, const void*)
{
    OnBeforeExchange();
    auto raw = [&](UINT nBytes) {
        if (IsStoring())
            m_ar.Write(pvProp, nBytes);
        else if (m_ar.Read(pvProp, nBytes) != nBytes)
            AfxThrowArchiveException(CArchiveException::endOfFile);
    };
    switch (nType)
    {
    case xtpPropUI1: raw(1); break;
    case xtpPropI2: raw(2); break;
    case xtpPropI4:
    case xtpPropR4: raw(4); break;
    case xtpPropBool:
        if (IsStoring())
            m_ar << static_cast<LONG>(*static_cast<BOOL*>(pvProp));
        else
        {
            LONG value = 0;
            m_ar >> value;
            *static_cast<BOOL*>(pvProp) = value;
        }
        break;
    case xtpPropR8:
    case xtpPropCurrency:
    case xtpPropSize: raw(8); break;
    case xtpPropRect: raw(16); break;
    case xtpPropDate:
    {
        auto* pDate = static_cast<COleDateTime*>(pvProp);
        if (IsStoring())
            m_ar << static_cast<double>(pDate->m_dt) << static_cast<LONG>(pDate->GetStatus());
        else
        {
            double dt = 0;
            LONG status = 0;
            m_ar >> dt >> status;
            pDate->m_dt = dt;
            pDate->SetStatus(static_cast<COleDateTime::DateTimeStatus>(status));
        }
        break;
    }
    case xtpPropString:
        if (IsStoring())
            m_ar << *static_cast<CString*>(pvProp);
        else
            m_ar >> *static_cast<CString*>(pvProp);
        break;
    default:
        break;
    }
    return TRUE;
}

BOOL CXTPPropExchangeArchive::ExchangeBlob(LPCTSTR, BYTE** ppData, DWORD* pnBytes)
{
    if (IsStoring())
    {
        WriteCount(*pnBytes);
        m_ar.Write(*ppData, *pnBytes);
        return TRUE;
    }
    const DWORD_PTR stored = m_ar.ReadCount();
    ArchiveByteSource source(m_ar);
    const auto block = source.ReadBlock(stored);
    if (!block)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    const auto size = static_cast<DWORD>(block->size());
    if (!*ppData)
    {
        *ppData = static_cast<BYTE*>(std::malloc(size ? size : 1));
        if (!*ppData)
            return FALSE;
        *pnBytes = size;
    }
    if (*pnBytes < size)
        return FALSE;
    if (size)
        std::memcpy(*ppData, block->data(), size);
    return TRUE;
}

BOOL CXTPPropExchangeArchive::ExchangeRuntimeClass(LPCTSTR, CRuntimeClass** ppClass, CRuntimeClass* pDefaultClass)
{
    if (IsStoring())
    {
        m_ar.WriteClass(*ppClass);
        return TRUE;
    }
    UINT nSchema = 0;
    *ppClass = m_ar.ReadClass(pDefaultClass, &nSchema);
    m_nSchema = nSchema;
    return *ppClass != nullptr;
}

BOOL CXTPPropExchangeArchive::ExchangeObjectInstance(CObject** ppObject, CRuntimeClass* pObjectRuntime)
{
    if (!CXTPPropExchange::ExchangeObjectInstance(ppObject, pObjectRuntime))
        return FALSE;
    // Later references to the object resolve as with the framework's own
    // object serialization.
    m_ar.MapObject(*ppObject);
    return TRUE;
}

CArchive* CXTPPropExchangeArchive::GetArchive(LPCTSTR)
{
    return &m_ar;
}

void CXTPPropExchangeArchive::ReleaseArchive(LPCTSTR, CArchive*)
{
}

CXTPPropExchange* CXTPPropExchangeArchive::GetSection(LPCTSTR)
{
    auto* pSection = new CXTPPropExchangeArchive(m_ar);
    InheritSettings(pSection);
    return pSection;
}

void CXTPPropExchangeArchive::WriteCount(DWORD dwCount)
{
    m_ar.WriteCount(dwCount);
}

DWORD CXTPPropExchangeArchive::ReadCount()
{
    return static_cast<DWORD>(m_ar.ReadCount());
}

void CXTPPropExchangeArchive::Write(LPCTSTR, const void* lpBuf, UINT nCount)
{
    m_ar.Write(lpBuf, nCount);
}

UINT CXTPPropExchangeArchive::Read(LPCTSTR, void* lpBuf, UINT nCount)
{
    return m_ar.Read(lpBuf, nCount);
}
