#pragma once
// One routine stores and loads an object's settings: it calls PX_* helpers,
// and the exchange object it is handed decides the direction and the store
// (registry key or archive).
#include "CCmdTarget.h"
#include "CString.h"

class CArchive;
class CXTPPropExchangeEnumerator;

// Type codes of exchanged values: the platform's variant numbering plus two
// of the toolkit's own.
enum XTPPropType : UINT
{
    xtpPropI2 = 2,
    xtpPropI4 = 3,
    xtpPropR4 = 4,
    xtpPropR8 = 5,
    xtpPropCurrency = 6,
    xtpPropDate = 7,
    xtpPropBstr = 8,
    xtpPropBool = 11,
    xtpPropVariant = 12,
    xtpPropUI1 = 17,
    xtpPropString = 30, // a CString; its default is a plain text pointer
    xtpPropRect = 100,
    xtpPropSize = 101,
};

class CXTPPropExchange : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPPropExchange)
public:
    CXTPPropExchange();

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    BOOL IsChild() const { return m_bChild; }

    virtual BOOL ExchangeProp(LPCTSTR pszPropName, UINT nType, void* pvProp, const void* pvDefault) = 0;
    // On load a null *ppData is allocated with malloc (the caller frees it).
    virtual BOOL ExchangeBlob(LPCTSTR pszPropName, BYTE** ppData, DWORD* pnBytes);
    virtual BOOL ExchangeRuntimeClass(LPCTSTR pszPropName, CRuntimeClass** ppClass, CRuntimeClass* pDefaultClass);
    virtual BOOL ExchangeObjectInstance(CObject** ppObject, CRuntimeClass* pObjectRuntime);
    virtual CArchive* GetArchive(LPCTSTR pszPropName);
    virtual void ReleaseArchive(LPCTSTR pszPropName, CArchive* pArchive);
    // Released by the caller (InternalRelease).
    virtual CXTPPropExchange* GetSection(LPCTSTR pszSection) = 0;
    virtual void EmptySection();
    virtual void WriteCount(DWORD dwCount);
    virtual DWORD ReadCount();
    virtual void Write(LPCTSTR pszPropName, const void* lpBuf, UINT nCount);
    virtual UINT Read(LPCTSTR pszPropName, void* lpBuf, UINT nCount);
    virtual BOOL CanOmitValues() const { return TRUE; }
    virtual BOOL UseBinaryBlocks() const { return FALSE; }
    virtual BOOL OnBeforeExchange();
    // Walks the sections base name 0, 1, ...; the caller deletes it.
    virtual CXTPPropExchangeEnumerator* GetEnumerator(LPCTSTR pszBaseName);

    // Shared by the back ends: compare and copy a value of a type code.
    static BOOL IsSamePropValue(UINT nType, const void* pv1, const void* pv2);
    static BOOL CopyPropValue(UINT nType, void* pvDest, const void* pvSrc);

    void* m_pParameters = nullptr;
    UINT m_nSchema = 16;
    BOOL m_bUseDefaultOnLoad = TRUE;
    BOOL m_bUseDefaultOnSave = TRUE;

protected:
    // A section takes over the parameters, schema, emptied and default flags.
    void InheritSettings(CXTPPropExchange* pSection) const;

    BOOL m_bLoading = FALSE;
    BOOL m_bChild = FALSE;
    BOOL m_bEmptySection = FALSE;
    BOOL m_bInitialized = FALSE;
};
