#include "CXTObjectSelector.h"

CXTObjectSelector::CXTObjectSelector(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOldObject(::SelectObject(hDC, hObject))
{
}

CXTObjectSelector::~CXTObjectSelector()
{
    if (m_hOldObject != nullptr)
        ::SelectObject(m_hDC, m_hOldObject);
}
