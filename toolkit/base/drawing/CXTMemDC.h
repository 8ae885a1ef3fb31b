#pragma once
// A memory DC over a rectangle of a target DC for flicker-free painting: point
// (0, 0) of the memory DC is the rectangle's top-left corner, and the whole
// rectangle goes to the target in one BitBlt when the object is destroyed.
#include "Framework.h"
#include "CXTPPaintManagerColorGradient.h"

class CXTMemDC : public CDC {
    DECLARE_DYNAMIC(CXTMemDC)
public:
    // An empty rectangle means the target's clip box. The memory DC is filled
    // with the background unless both its colours are -1.
    CXTMemDC(CDC* pDC, const CRect& rect, const CXTPPaintManagerColorGradient& clrBack = CXTPPaintManagerColorGradient(),
             BOOL bHorizontal = FALSE);
    ~CXTMemDC() override;
    CXTMemDC(const CXTMemDC&) = delete;
    CXTMemDC& operator=(const CXTMemDC&) = delete;

private:
    CDC* m_pTarget;
    CRect m_rect;
    CBitmap m_bitmap;
    HBITMAP m_hOldBitmap = nullptr;
    BOOL m_bValid = FALSE;
    BOOL m_bShared = FALSE; // the thread's kept DC and bitmap, not ones of its own
    int m_nSavedState = 0;
};
