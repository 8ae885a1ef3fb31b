#pragma once
// Paints into a bitmap compatible with a target DC and copies it back in one
// BitBlt when destroyed; a printing target is painted directly.
#include "Framework.h"

class CGridOffscreenDC : public CDC {
public:
    explicit CGridOffscreenDC(CDC* pDC);
    ~CGridOffscreenDC() override;

private:
    CBitmap m_bitmap;
    CBitmap* m_oldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
