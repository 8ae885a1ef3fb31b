#include "CXTOffscreenDC.h"

CXTOffscreenDC::CXTOffscreenDC(CDC* pDC, const CRect& rect) : m_hTarget(pDC->GetSafeHdc()), m_rect(rect)
{
    Attach(::CreateCompatibleDC(m_hTarget));
    m_bitmap.Attach(::CreateCompatibleBitmap(m_hTarget, rect.right, rect.bottom));
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
}

CXTOffscreenDC::~CXTOffscreenDC()
{
    ::BitBlt(m_hTarget, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
             SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    m_bitmap.DeleteObject();
    ::DeleteDC(Detach());
}
