#include "IconHelpers.h"
#include "CXTScopedBitmapDC.h"

#include <commctrl.h>

BOOL PaintIconWithStateFlags(CDC* pDC, int x, int y, int cx, int cy, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(pDC->GetSafeHdc(), hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, x, y, cx, cy,
                        nFlags | DST_ICON);
}

COLORREF TopLeftPixelColor(HBITMAP hBitmap)
{
    if (hBitmap == nullptr)
        return static_cast<COLORREF>(-1);
    CXTScopedBitmapDC dc(nullptr, hBitmap);
    return dc.GetPixel(0, 0);
}

HICON IconFromMaskedBitmap(HBITMAP hBitmap)
{
    BITMAP info{};
    if (hBitmap == nullptr || ::GetObjectW(hBitmap, sizeof(info), &info) == 0 || info.bmWidth == 0
        || info.bmHeight == 0)
        return nullptr;
    HIMAGELIST hImages = ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
    if (hImages == nullptr)
        return nullptr;
    ImageList_AddMasked(hImages, hBitmap, TopLeftPixelColor(hBitmap));
    HICON hIcon = ImageList_GetIcon(hImages, 0, ILD_NORMAL);
    ImageList_Destroy(hImages);
    return hIcon;
}
