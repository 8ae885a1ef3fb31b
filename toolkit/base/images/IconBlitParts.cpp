#include "IconBlitParts.h"

#include <vector>

#include "AlphaBitmaps.h"

namespace
{
bool HasAlphaChannel(HBITMAP hColor, const BITMAP& bm)
{
    if (bm.bmBitsPixel != 32)
        return false;
    std::vector<BYTE> header, bits;
    // Unreadable bits are taken as alpha: the system's drawing stays in charge.
    if (!AlphaBitmaps::ReadBits32(hColor, header, bits))
        return true;
    for (size_t i = 3; i < bits.size(); i += 4)
        if (bits[i] != 0)
            return true;
    return false;
}
} // namespace

std::unique_ptr<IconBlitParts> IconBlitParts::Capture(HICON hIcon)
{
    ICONINFO info{};
    if (!hIcon || !GetIconInfo(hIcon, &info))
        return nullptr;
    BITMAP bmColor{}, bmMask{};
    const bool bUsable = info.hbmColor && info.hbmMask && GetObjectW(info.hbmColor, sizeof(bmColor), &bmColor) &&
                         GetObjectW(info.hbmMask, sizeof(bmMask), &bmMask) && bmColor.bmWidth == bmMask.bmWidth &&
                         bmColor.bmHeight == bmMask.bmHeight && !HasAlphaChannel(info.hbmColor, bmColor);
    if (!bUsable)
    {
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        return nullptr;
    }
    return std::unique_ptr<IconBlitParts>(
        new IconBlitParts(info.hbmMask, info.hbmColor, CSize(bmColor.bmWidth, bmColor.bmHeight)));
}

IconBlitParts::~IconBlitParts()
{
    DeleteObject(m_hMask);
    DeleteObject(m_hColor);
}

namespace
{
// One source DC per thread for every icon drawn there: making and deleting a DC for each icon
// cost more than the icon's two blits.
class ThreadSourceDC
{
public:
    ~ThreadSourceDC()
    {
        if (m_hDC)
            DeleteDC(m_hDC);
    }
    HDC Get()
    {
        if (!m_hDC)
            m_hDC = CreateCompatibleDC(nullptr);
        return m_hDC;
    }

private:
    HDC m_hDC = nullptr;
};
} // namespace

void IconBlitParts::Draw(HDC hDC, int x, int y) const
{
    thread_local ThreadSourceDC source;
    HDC hMemDC = source.Get();
    if (!hMemDC)
        return;
    // A monochrome mask takes the target's text and background colours: black and white.
    const COLORREF clrOldText = SetTextColor(hDC, RGB(0, 0, 0));
    const COLORREF clrOldBk = SetBkColor(hDC, RGB(255, 255, 255));
    HGDIOBJ hOld = SelectObject(hMemDC, m_hMask);
    BitBlt(hDC, x, y, m_size.cx, m_size.cy, hMemDC, 0, 0, SRCAND);
    SelectObject(hMemDC, m_hColor);
    BitBlt(hDC, x, y, m_size.cx, m_size.cy, hMemDC, 0, 0, SRCINVERT);
    SelectObject(hMemDC, hOld);
    SetTextColor(hDC, clrOldText);
    SetBkColor(hDC, clrOldBk);
}
