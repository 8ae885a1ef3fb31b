#include "CXTOffscreenDC.h"

CXTOffscreenDC::CXTOffscreenDC(CDC* pDC, const CRect& rect) : m_hTarget(pDC->GetSafeHdc()), m_rect(rect)
{
    Attach(::CreateCompatibleDC(m_hTarget));
    // The buffer spans from the origin so the target's coordinates apply unchanged.
    m_hBitmap = ::CreateCompatibleBitmap(m_hTarget, rect.right, rect.bottom);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
}

CXTOffscreenDC::~CXTOffscreenDC()
{
    ::BitBlt(m_hTarget, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
             SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(Detach());
}
