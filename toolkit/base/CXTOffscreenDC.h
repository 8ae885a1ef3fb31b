#pragma once
// A buffer the size of the target's rectangle; its contents go to the target
// when the object goes out of scope, so painting does not flicker.
#include "Framework.h"

class CXTOffscreenDC : public CDC {
public:
    CXTOffscreenDC(CDC* pDC, const CRect& rect);
    ~CXTOffscreenDC() override;
    CXTOffscreenDC(const CXTOffscreenDC&) = delete;
    CXTOffscreenDC& operator=(const CXTOffscreenDC&) = delete;

private:
    HDC m_hTarget;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    CRect m_rect;
};
