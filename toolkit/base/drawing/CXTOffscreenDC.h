#pragma once
// A buffer as large as the target up to the rectangle's far corner; its
// rectangle goes to the target when the object goes out of scope, so painting
// does not flicker and draws with the target's coordinates unchanged.
#include "Framework.h"

class CXTOffscreenDC : public CDC {
public:
    CXTOffscreenDC(CDC* pDC, const CRect& rect);
    ~CXTOffscreenDC() override;
    CXTOffscreenDC(const CXTOffscreenDC&) = delete;
    CXTOffscreenDC& operator=(const CXTOffscreenDC&) = delete;

private:
    HDC m_hTarget;
    CBitmap m_bitmap;
    CRect m_rect;
    HGDIOBJ m_hOldBitmap = nullptr;
};
