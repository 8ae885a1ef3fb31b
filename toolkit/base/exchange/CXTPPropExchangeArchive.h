#pragma once
// Values stream through a framework archive, without names, in exchange
// order: loading must make the same calls as storing. Flushing and closing
// the archive are the caller's.
#include "CXTPPropExchange.h"

class CXTPPropExchangeArchive : public CXTPPropExchange
{
    DECLARE_DYNAMIC(CXTPPropExchangeArchive)
public:
    explicit CXTPPropExchangeArchive(CArchive& ar);

    BOOL ExchangeProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault) override;
    // A stored length larger than the bytes left throws an archive exception.
    BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pnBytes) override;
    BOOL ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass** ppClass, CRuntimeClass* pDefaultClass) override;
    BOOL ExchangeObjectInstance(CObject** ppObject, CRuntimeClass* pObjectRuntime) override;
    CArchive* GetArchive(LPCTSTR pszPropName) override;
    void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive) override;
    CXTPPropExchange* GetSection(LPCTSTR pszSection) override;
    void WriteCount(DWORD dwCount) override;
    DWORD ReadCount() override;
    void Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount) override;
    UINT Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount) override;
    BOOL CanOmitValues() const override { return FALSE; }
    BOOL UseBinaryBlocks() const override { return TRUE; }

protected:
    CArchive& m_ar;
};
