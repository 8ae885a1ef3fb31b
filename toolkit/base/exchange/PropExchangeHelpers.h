#pragma once
// The typed helpers an object's exchange routine calls. A default is passed
// by value; the forms without one hand on none.
#include "CXTPPropExchange.h"

class CRect;
class CSize;

BOOL PX_Int(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue, int nDefault);
BOOL PX_Int(CXTPPropExchange* pPX, LPCTSTR pszPropName, int& nValue);
BOOL PX_Bool(CXTPPropExchange* pPX, LPCTSTR pszPropName, BOOL& bValue, BOOL bDefault);
BOOL PX_String(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue, LPCTSTR pszDefault);
BOOL PX_String(CXTPPropExchange* pPX, LPCTSTR pszPropName, CString& strValue);
BOOL PX_Size(CXTPPropExchange* pPX, LPCTSTR pszPropName, CSize& szValue, CSize szDefault);
BOOL PX_Rect(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRect& rcValue, CRect rcDefault);
BOOL PX_Blob(CXTPPropExchange* pPX, LPCTSTR pszPropName, BYTE*& pData, DWORD& nBytes);
BOOL PX_RuntimeClass(CXTPPropExchange* pPX, LPCTSTR pszPropName, CRuntimeClass*& pClass,
                     CRuntimeClass* pDefaultClass);
// The object serializes itself through an archive on the value; archive and
// OLE errors inside turn into FALSE.
BOOL PX_Object(CXTPPropExchange* pPX, LPCTSTR pszPropName, CObject* pObject);
