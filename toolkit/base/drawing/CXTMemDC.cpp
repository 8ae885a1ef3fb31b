#include "CXTMemDC.h"
#include "CXTGradientFiller.h"

IMPLEMENT_DYNAMIC(CXTMemDC, CDC)

CXTMemDC::CXTMemDC(CDC* pDC, const CRect& rect, const CXTPPaintManagerColorGradient& clrBack, BOOL bHorizontal)
    : m_pTarget(pDC), m_rect(rect)
{
    if (m_rect.IsRectEmpty())
        pDC->GetClipBox(&m_rect);
    if (!Attach(::CreateCompatibleDC(pDC->m_hDC)))
        return;
    m_bValid = TRUE;
    SetMapMode(::GetMapMode(pDC->m_hAttribDC));
    m_bitmap.Attach(::CreateCompatibleBitmap(pDC->m_hDC, m_rect.Width(), m_rect.Height()));
    m_hOldBitmap = static_cast<HBITMAP>(::SelectObject(m_hDC, m_bitmap.GetSafeHandle()));
    if (clrBack.clrStart.GetColor() != COLORREF(-1) || clrBack.clrEnd.GetColor() != COLORREF(-1))
        CXTGradientFiller::Instance().FillGradientPair(this, CRect(0, 0, m_rect.Width(), m_rect.Height()), clrBack,
                                                       bHorizontal);
}

CXTMemDC::~CXTMemDC()
{
    if (!m_bValid)
        return;
    ::BitBlt(m_pTarget->m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, 0, 0, SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    m_bitmap.DeleteObject();
    ::DeleteDC(Detach());
}
