#include "CXTPPropExchangeRegistry.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "CRect.h"
#include "CSize.h"

IMPLEMENT_DYNAMIC(CXTPPropExchangeRegistry, CXTPPropExchange)

CXTPPropExchangeRegistry::CXTPPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR pszSection)
    : m_hParentKey(hParentKey), m_strSectionName(pszSection)
{
    m_bLoading = bLoading;
}

CXTPPropExchangeRegistry::~CXTPPropExchangeRegistry()
{
    CloseSectionKey();
}

void CXTPPropExchangeRegistry::CloseSectionKey()
{
    if (m_hSectionKey)
        RegCloseKey(m_hSectionKey);
    m_hSectionKey = nullptr;
}

BOOL CXTPPropExchangeRegistry::OnBeforeExchange()
{
    if (!m_hParentKey)
        return FALSE;
    if (!m_bInitialized)
    {
        // Tried once: a key that cannot be had makes every later value fall back.
        m_bInitialized = TRUE;
        RegCreateKeyExW(m_hParentKey, m_strSectionName, 0, nullptr, 0, IsLoading() ? KEY_READ : KEY_WRITE, nullptr,
                        &m_hSectionKey, nullptr);
    }
    return m_hSectionKey != nullptr;
}

BOOL CXTPPropExchangeRegistry::ExchangeProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault)
{
    return IsLoading() ? LoadProp(pszPropName, nType, pvProp, m_bUseDefaultOnLoad ? pvDefault : nullptr)
                       : StoreProp(pszPropName, nType, pvProp, m_bUseDefaultOnSave ? pvDefault : nullptr);
}

BOOL CXTPPropExchangeRegistry::ReadText(LPCTSTR pszPropName, CString& strText) const
{
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return FALSE;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return FALSE;
    // Stored text need not end in a zero: one more character, zeroed, ends it.
    const int chars = static_cast<int>(size / 2 + 1);
    wchar_t* buffer = strText.GetBufferSetLength(chars);
    std::wmemset(buffer, 0, static_cast<size_t>(chars));
    DWORD bytes = size;
    const LONG rc = RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes);
    buffer[chars - 1] = 0;
    strText.ReleaseBuffer(-1);
    return rc == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ);
}

BOOL CXTPPropExchangeRegistry::LoadProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault)
{
    if (!OnBeforeExchange())
        return CopyPropValue(nType, pvProp, pvDefault);
    switch (nType)
    {
    case xtpPropI2:
    case xtpPropI4:
    case xtpPropBool:
    case xtpPropUI1:
    {
        DWORD value = 0, size = sizeof(value);
        if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) ==
            ERROR_SUCCESS)
            return CopyPropValue(nType, pvProp, &value);
        return CopyPropValue(nType, pvProp, pvDefault);
    }
    case xtpPropString:
    case xtpPropRect:
    case xtpPropSize:
    {
        CString text;
        if (!ReadText(pszPropName, text))
            return CopyPropValue(nType, pvProp, pvDefault);
        if (nType == xtpPropString)
        {
            *static_cast<CString*>(pvProp) = text;
            return TRUE;
        }
        int v[4] = {};
        if (nType == xtpPropSize)
        {
            if (swscanf(text, L"%i, %i", &v[0], &v[1]) < 2)
                return CopyPropValue(nType, pvProp, pvDefault);
            *static_cast<CSize*>(pvProp) = CSize(v[0], v[1]);
        }
        else
        {
            if (swscanf(text, L"%i, %i, %i, %i", &v[0], &v[1], &v[2], &v[3]) < 4)
                return CopyPropValue(nType, pvProp, pvDefault);
            *static_cast<CRect*>(pvProp) = CRect(v[0], v[1], v[2], v[3]);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CXTPPropExchangeRegistry::StoreProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault)
{
    if (!OnBeforeExchange())
        return FALSE;
    if (IsSamePropValue(nType, pvProp, pvDefault))
    {
        if (!m_bEmptySection)
            RegDeleteValueW(m_hSectionKey, pszPropName);
        return TRUE;
    }
    auto set = [&](DWORD type, const void* data, DWORD size) {
        return RegSetValueExW(m_hSectionKey, pszPropName, 0, type, static_cast<const BYTE*>(data), size) ==
               ERROR_SUCCESS;
    };
    CString text;
    switch (nType)
    {
    case xtpPropI2:
    case xtpPropI4:
    case xtpPropBool:
    case xtpPropUI1:
    {
        DWORD value = 0;
        CopyPropValue(nType, &value, pvProp);
        return set(REG_DWORD, &value, sizeof(value));
    }
    case xtpPropR4: return set(REG_BINARY, pvProp, 4);
    case xtpPropR8: return set(REG_BINARY, pvProp, 8);
    case xtpPropString: text = *static_cast<CString*>(pvProp); break;
    case xtpPropRect:
    {
        const RECT& rc = *static_cast<RECT*>(pvProp);
        text.Format(L"%i, %i, %i, %i", static_cast<int>(rc.left), static_cast<int>(rc.top), static_cast<int>(rc.right),
                    static_cast<int>(rc.bottom));
        break;
    }
    case xtpPropSize:
    {
        const SIZE& sz = *static_cast<SIZE*>(pvProp);
        text.Format(L"%i, %i", static_cast<int>(sz.cx), static_cast<int>(sz.cy));
        break;
    }
    default:
        return FALSE;
    }
    return set(REG_SZ, static_cast<LPCTSTR>(text), static_cast<DWORD>((text.GetLength() + 1) * sizeof(wchar_t)));
}

BOOL CXTPPropExchangeRegistry::ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pnBytes)
{
    if (!OnBeforeExchange())
        return FALSE;
    if (IsStoring())
        return RegSetValueExW(m_hSectionKey, pszPropName, 0, REG_BINARY, *ppData, *pnBytes) == ERROR_SUCCESS;
    DWORD size = 0;
    if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return FALSE;
    if (!*ppData)
    {
        *ppData = static_cast<BYTE*>(std::malloc(size ? size : 1));
        if (!*ppData)
            return FALSE;
        *pnBytes = size;
    }
    if (*pnBytes < size)
        return FALSE;
    // The value may have changed since its size was asked: read no more than the room.
    DWORD read = *pnBytes;
    if (RegQueryValueExW(m_hSectionKey, pszPropName, nullptr, nullptr, *ppData, &read) != ERROR_SUCCESS)
        return FALSE;
    *pnBytes = read;
    return TRUE;
}

CXTPPropExchange* CXTPPropExchangeRegistry::GetSection(LPCTSTR pszSection)
{
    OnBeforeExchange();
    auto* pSection = new CXTPPropExchangeRegistry(IsLoading(), m_hSectionKey, pszSection);
    InheritSettings(pSection);
    return pSection;
}

void CXTPPropExchangeRegistry::EmptySection()
{
    m_bEmptySection = TRUE;
    // An empty name would stand for the parent key itself.
    if (m_strSectionName.IsEmpty() || !m_hParentKey)
        return;
    CloseSectionKey();
    RegDeleteTreeW(m_hParentKey, m_strSectionName);
    m_bInitialized = FALSE;
}
