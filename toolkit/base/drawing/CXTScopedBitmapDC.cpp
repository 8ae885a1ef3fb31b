#include "CXTScopedBitmapDC.h"

CXTScopedBitmapDC::CXTScopedBitmapDC(CDC* pDC, HBITMAP hBitmap)
{
    CreateCompatibleDC(pDC);
    m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
}

CXTScopedBitmapDC::~CXTScopedBitmapDC()
{
    ::SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC();
}
