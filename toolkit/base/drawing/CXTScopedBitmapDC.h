#pragma once
// A memory DC with a bitmap selected, for reading or copying the bitmap within one scope.
#include "Framework.h"

class CXTScopedBitmapDC : public CDC {
public:
    // Compatible with pDC, or with the screen when pDC is null.
    CXTScopedBitmapDC(CDC* pDC, HBITMAP hBitmap);
    ~CXTScopedBitmapDC() override;
    CXTScopedBitmapDC(const CXTScopedBitmapDC&) = delete;
    CXTScopedBitmapDC& operator=(const CXTScopedBitmapDC&) = delete;

private:
    HGDIOBJ m_hOldBitmap;
};
