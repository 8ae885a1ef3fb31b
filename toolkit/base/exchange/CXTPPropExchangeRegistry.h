#pragma once
// Each value is a named registry value under the section's key; sections are
// subkeys. The section key is opened on first use and closed with the
// exchange; the parent key stays the caller's.
#include "CXTPPropExchange.h"

class CXTPPropExchangeRegistry : public CXTPPropExchange
{
    DECLARE_DYNAMIC(CXTPPropExchangeRegistry)
public:
    CXTPPropExchangeRegistry(BOOL bLoading, HKEY hParentKey, LPCTSTR pszSection);
    ~CXTPPropExchangeRegistry() override;

    BOOL ExchangeProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault) override;
    BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pnBytes) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    // Deletes the section's key with its subkeys; the next value makes it anew.
    void EmptySection() override;
    BOOL UseBinaryBlocks() const override { return TRUE; }
    BOOL OnBeforeExchange() override;

private:
    BOOL LoadProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault);
    BOOL StoreProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault);
    BOOL ReadText(LPCTSTR pszPropName, CString& strText) const;
    void CloseSectionKey();

    HKEY m_hSectionKey = nullptr;
    HKEY m_hParentKey;
    CString m_strSectionName;
};
