#include "IconPixels.h"

#include "AlphaBitmaps.h"

IconPixels::IconPixels(HICON hIcon) : m_hSource(hIcon)
{
    if (!hIcon || !GetIconInfo(hIcon, &m_info))
    {
        m_info = {};
        return;
    }
    // Monochrome icons have no colour to repaint.
    m_bValid = m_info.hbmColor && AlphaBitmaps::CaptureBitmapBits(m_info.hbmColor, m_header, m_colour) &&
               AlphaBitmaps::CaptureBitmapBits(m_info.hbmMask, m_maskHeader, m_mask) && m_mask.size() >= m_colour.size();
}

IconPixels::~IconPixels()
{
    if (m_info.hbmColor)
        DeleteObject(m_info.hbmColor);
    if (m_info.hbmMask)
        DeleteObject(m_info.hbmMask);
}

HICON IconPixels::MakeIcon(const std::vector<BYTE>& colour)
{
    // The icon copies the bitmaps, so the one colour bitmap serves every repaint.
    if (!AlphaBitmaps::SetBits(m_info.hbmColor, m_header, colour))
        return nullptr;
    return CreateIconIndirect(&m_info);
}
