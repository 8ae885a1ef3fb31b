#pragma once
// Selects a GDI object into a DC for one scope and selects the previous one back.
#include "Framework.h"

class CXTObjectSelector {
public:
    CXTObjectSelector(HDC hDC, HGDIOBJ hObject);
    CXTObjectSelector(CDC* pDC, CGdiObject* pObject) : CXTObjectSelector(pDC->GetSafeHdc(), pObject->GetSafeHandle()) {}
    virtual ~CXTObjectSelector();
    CXTObjectSelector(const CXTObjectSelector&) = delete;
    CXTObjectSelector& operator=(const CXTObjectSelector&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOldObject;
};
