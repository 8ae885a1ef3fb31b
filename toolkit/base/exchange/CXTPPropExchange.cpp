#include "CXTPPropExchange.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <oleauto.h>

#include "CArchive.h"
#include "CMemFile.h"
#include "COleDateTime.h"
#include "COleVariant.h"
#include "CXTPPropExchangeEnumerator.h"
#include "PropExchangeHelpers.h"
#include "imagecodec/LetterBlock.h"

IMPLEMENT_DYNAMIC(CXTPPropExchange, CCmdTarget)

namespace
{
// Bytes a value of the type takes where it is compared or copied as bytes.
size_t PlainSize(UINT nType)
{
    switch (nType)
    {
    case xtpPropUI1: return 1;
    case xtpPropI2: return 2;
    case xtpPropI4:
    case xtpPropR4:
    case xtpPropBool: return 4;
    case xtpPropR8:
    case xtpPropCurrency:
    case xtpPropSize: return 8;
    case xtpPropRect: return 16;
    default: return 0;
    }
}
} // namespace

CXTPPropExchange::CXTPPropExchange() = default;

void CXTPPropExchange::InheritSettings(CXTPPropExchange* pSection) const
{
    pSection->m_pParameters = m_pParameters;
    pSection->m_nSchema = m_nSchema;
    pSection->m_bEmptySection = m_bEmptySection;
    pSection->m_bUseDefaultOnLoad = m_bUseDefaultOnLoad;
    pSection->m_bUseDefaultOnSave = m_bUseDefaultOnSave;
    pSection->m_bChild = TRUE;
}

BOOL CXTPPropExchange::IsSamePropValue(UINT nType, const void* pv1, const void* pv2)
{
    if (pv1 == pv2)
        return TRUE;
    if (!pv1 || !pv2)
        return FALSE;
    if (const size_t size = PlainSize(nType))
        return std::memcmp(pv1, pv2, size) == 0;
    switch (nType)
    {
    case xtpPropDate:
        return *static_cast<const COleDateTime*>(pv1) == *static_cast<const COleDateTime*>(pv2);
    case xtpPropBstr:
    {
        const BSTR a = *static_cast<const BSTR*>(pv1), b = *static_cast<const BSTR*>(pv2);
        return std::wcscmp(a ? a : L"", b ? b : L"") == 0;
    }
    case xtpPropVariant:
        return *static_cast<const COleVariant*>(pv1) == *static_cast<const VARIANT*>(pv2);
    case xtpPropString:
        return static_cast<const CString*>(pv1)->Compare(static_cast<LPCTSTR>(pv2)) == 0;
    default:
        return FALSE;
    }
}

BOOL CXTPPropExchange::CopyPropValue(UINT nType, void* pvDest, const void* pvSrc)
{
    if (!pvSrc)
        return FALSE;
    if (const size_t size = PlainSize(nType))
    {
        std::memcpy(pvDest, pvSrc, size);
        return TRUE;
    }
    switch (nType)
    {
    case xtpPropDate:
        *static_cast<COleDateTime*>(pvDest) = *static_cast<const COleDateTime*>(pvSrc);
        return TRUE;
    case xtpPropBstr:
        *static_cast<BSTR*>(pvDest) = SysAllocString(*static_cast<const BSTR*>(pvSrc));
        return TRUE;
    case xtpPropVariant:
        return SUCCEEDED(VariantCopy(static_cast<VARIANT*>(pvDest), const_cast<VARIANT*>(static_cast<const VARIANT*>(pvSrc))));
    case xtpPropString:
        *static_cast<CString*>(pvDest) = static_cast<LPCTSTR>(pvSrc);
        return TRUE;
    default:
        return FALSE;
    }
}

// Stores that hold only text keep a block as letters A..P, two per byte.
BOOL CXTPPropExchange::ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pnBytes)
{
    if (!OnBeforeExchange())
        return FALSE;
    CString text;
    if (IsStoring())
    {
        const std::u16string letters = imagecodec::LetterBlock::Encode(*ppData, *pnBytes);
        text = CString(reinterpret_cast<const wchar_t*>(letters.c_str()));
        return PX_String(this, pszPropName, text, L"");
    }
    PX_String(this, pszPropName, text, L"");
    if (text.IsEmpty())
        return TRUE;
    const auto bytes = imagecodec::LetterBlock::Decode(
        std::u16string_view(reinterpret_cast<const char16_t*>(static_cast<LPCTSTR>(text)), static_cast<size_t>(text.GetLength())));
    if (!bytes)
        return FALSE;
    const auto size = static_cast<DWORD>(bytes->size());
    if (!*ppData)
    {
        *ppData = static_cast<BYTE*>(std::malloc(size ? size : 1));
        if (!*ppData)
            return FALSE;
        *pnBytes = size;
    }
    if (*pnBytes < size)
        return FALSE;
    std::memcpy(*ppData, bytes->data(), size);
    return TRUE;
}

BOOL CXTPPropExchange::ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass** ppClass, CRuntimeClass* pDefaultClass)
{
    if (IsStoring())
    {
        CString name((*ppClass)->m_lpszClassName);
        const CString defaultName(pDefaultClass ? pDefaultClass->m_lpszClassName : "");
        return PX_String(this, pszPropName, name, pDefaultClass ? static_cast<LPCTSTR>(defaultName) : nullptr);
    }
    CString name;
    if (!PX_String(this, pszPropName, name))
    {
        *ppClass = pDefaultClass;
        return TRUE;
    }
    *ppClass = CRuntimeClass::FromName(static_cast<LPCTSTR>(name));
    return *ppClass != nullptr;
}

BOOL CXTPPropExchange::ExchangeObjectInstance(CObject** ppObject, CRuntimeClass* pObjectRuntime)
{
    if (IsStoring())
    {
        CRuntimeClass* pClass = (*ppObject)->GetRuntimeClass();
        return ExchangeRuntimeClass(L"Class", &pClass, pObjectRuntime);
    }
    CRuntimeClass* pClass = nullptr;
    if (!ExchangeRuntimeClass(L"Class", &pClass, pObjectRuntime) || !pClass)
        return FALSE;
    CObject* pObject = pClass->CreateObject();
    if (!pObject)
        return FALSE;
    if (!pObject->IsKindOf(pObjectRuntime))
    {
        delete pObject;
        return FALSE;
    }
    *ppObject = pObject;
    return TRUE;
}

CArchive* CXTPPropExchange::GetArchive(LPCTSTR pszPropName)
{
    if (IsStoring())
        return new CArchive(new CMemFile(1024), CArchive::store, 4096);
    BYTE* pData = nullptr;
    DWORD nBytes = 0;
    if (!ExchangeBlob(pszPropName, &pData, &nBytes) || !pData || nBytes == 0)
    {
        std::free(pData);
        return nullptr;
    }
    return new CArchive(new CMemFile(pData, nBytes), CArchive::load, 4096);
}

void CXTPPropExchange::ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive)
{
    auto* pFile = static_cast<CMemFile*>(pArchive->GetFile());
    if (IsStoring())
    {
        pArchive->Flush();
        auto nBytes = static_cast<DWORD>(pFile->GetLength());
        BYTE* pData = pFile->Detach();
        ExchangeBlob(pszPropName, &pData, &nBytes);
        std::free(pData);
    }
    else
        std::free(pFile->Detach());
    pArchive->Abort();
    pFile->Close();
    delete pFile;
    delete pArchive;
}

void CXTPPropExchange::EmptySection()
{
    m_bEmptySection = TRUE;
}

void CXTPPropExchange::WriteCount(DWORD dwCount)
{
    int count = static_cast<int>(dwCount);
    PX_Int(this, L"Count", count, 0);
}

DWORD CXTPPropExchange::ReadCount()
{
    int count = 0;
    PX_Int(this, L"Count", count, 0);
    return static_cast<DWORD>(count);
}

void CXTPPropExchange::Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount)
{
    BYTE* pData = static_cast<BYTE*>(const_cast<void*>(lpBuf));
    DWORD nBytes = nCount;
    ExchangeBlob(pszPropName, &pData, &nBytes);
}

UINT CXTPPropExchange::Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount)
{
    BYTE* pData = static_cast<BYTE*>(lpBuf);
    DWORD nBytes = nCount;
    return ExchangeBlob(pszPropName, &pData, &nBytes) ? nBytes : 0;
}

BOOL CXTPPropExchange::OnBeforeExchange()
{
    m_bInitialized = TRUE;
    return TRUE;
}

CXTPPropExchangeEnumerator* CXTPPropExchange::GetEnumerator(LPCTSTR pszBaseName)
{
    return new CXTPPropExchangeEnumerator(this, pszBaseName);
}
