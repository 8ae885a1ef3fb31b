#include "PropExchangeHelpers.h"

#include "CArchive.h"
#include "CArchiveException.h"
#include "COleException.h"
#include "CRect.h"
#include "CSize.h"

BOOL PX_Int(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue, int nDefault)
{
    return pPX->ExchangeProp(pszPropName, xtpPropI4, &nValue, &nDefault);
}

BOOL PX_Int(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue)
{
    return pPX->ExchangeProp(pszPropName, xtpPropI4, &nValue, nullptr);
}

BOOL PX_Bool(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue, BOOL bDefault)
{
    return pPX->ExchangeProp(pszPropName, xtpPropBool, &bValue, &bDefault);
}

BOOL PX_String(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue, LPCTSTR pszDefault)
{
    return pPX->ExchangeProp(pszPropName, xtpPropString, &strValue, pszDefault);
}

BOOL PX_String(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue)
{
    return pPX->ExchangeProp(pszPropName, xtpPropString, &strValue, nullptr);
}

BOOL PX_Size(CXTPPropExchange* pPX, LPCTSTR pszPropName, CSize& szValue, CSize szDefault)
{
    return pPX->ExchangeProp(pszPropName, xtpPropSize, &szValue, &szDefault);
}

BOOL PX_Rect(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRect& rcValue, CRect rcDefault)
{
    return pPX->ExchangeProp(pszPropName, xtpPropRect, &rcValue, &rcDefault);
}

BOOL PX_Blob(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes)
{
    return pPX->ExchangeBlob(pszPropName, &pData, &nBytes);
}

BOOL PX_RuntimeClass(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRuntimeClass*& pClass, CRuntimeClass* pDefaultClass)
{
    return pPX->ExchangeRuntimeClass(pszPropName, &pClass, pDefaultClass);
}

BOOL PX_Object(CXTPPropExchange* pPX, LPCTSTR pszPropName, CObject* pObject)
{
    CArchive* pArchive = pPX->GetArchive(pszPropName);
    if (!pArchive)
        return FALSE;
    BOOL bResult = TRUE;
    try
    {
        pObject->Serialize(*pArchive);
    }
    catch (COleException* e)
    {
        e->Delete();
        bResult = FALSE;
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        bResult = FALSE;
    }
    pPX->ReleaseArchive(pszPropName, pArchive);
    return bResult;
}
