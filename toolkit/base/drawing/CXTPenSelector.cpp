#include "CXTPenSelector.h"

CXTPenSelector::CXTPenSelector(HDC hDC, COLORREF clr) : m_hDC(hDC)
{
    m_pen.Attach(::CreatePen(PS_SOLID, 1, clr));
    m_hOldPen = ::SelectObject(m_hDC, m_pen.GetSafeHandle());
}

CXTPenSelector::~CXTPenSelector()
{
    ::SelectObject(m_hDC, m_hOldPen);
    m_pen.DeleteObject();
}

COLORREF CXTPenSelector::GetPenColor(HPEN hPen)
{
    LOGPEN logPen{};
    ::GetObjectW(hPen, sizeof(logPen), &logPen);
    return logPen.lopnColor;
}
