#include "CXTBrushSelector.h"

CXTBrushSelector::CXTBrushSelector(HDC hDC, COLORREF clr) : m_hDC(hDC)
{
    Select(clr);
}

CXTBrushSelector::~CXTBrushSelector()
{
    Restore();
}

void CXTBrushSelector::SetColor(COLORREF clr)
{
    Restore();
    Select(clr);
}

void CXTBrushSelector::Select(COLORREF clr)
{
    m_brush.Attach(::CreateSolidBrush(clr));
    m_hOldBrush = ::SelectObject(m_hDC, m_brush.GetSafeHandle());
}

void CXTBrushSelector::Restore()
{
    ::SelectObject(m_hDC, m_hOldBrush);
    m_brush.DeleteObject();
}
