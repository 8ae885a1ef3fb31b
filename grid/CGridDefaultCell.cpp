#include "CGridDefaultCell.h"

IMPLEMENT_DYNCREATE(CGridDefaultCell, CGridCell)

CGridDefaultCell::CGridDefaultCell()
{
    m_nFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        StoreFont(&metrics.lfMessageFont);
}

void CGridDefaultCell::StoreFont(const LOGFONTW* font)
{
    if (!font)
        return;
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(font);
    CGridCell::StoreFont(font);

    HDC screen = ::GetDC(nullptr);
    if (!screen) {
        m_nMargin = 3;
        m_nWidth = 40;
        m_nHeight = 16;
        return;
    }
    HGDIOBJ old = ::SelectObject(screen, m_Font.GetSafeHandle());
    SIZE space{};
    SIZE sample{};
    ::GetTextExtentPoint32W(screen, L" ", 1, &space);
    ::GetTextExtentPoint32W(screen, L" XXXXXXXXXXXX ", 14, &sample);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    m_nMargin = static_cast<UINT>(space.cx);
    m_nWidth = sample.cx;
    m_nHeight = sample.cy * 3 / 2;
}
