#include "IconPixels.h"

#include "AlphaBitmaps.h"

namespace
{
HBITMAP CreateDib(const IconBits::Record& record)
{
    return AlphaBitmaps::CreateDib(record.header.data(), record.bits.data(), record.bits.size());
}
} // namespace

IconPixels::IconPixels(std::shared_ptr<const IconBits> pBits) : m_pBits(std::move(pBits))
{
    // Monochrome icons have no colour to repaint.
    if (!m_pBits || m_pBits->Colour().IsEmpty() || m_pBits->Mask().IsEmpty() ||
        m_pBits->Mask().bits.size() < m_pBits->Colour().bits.size())
        return;
    m_info.fIcon = TRUE;
    m_info.hbmColor = CreateDib(m_pBits->Colour());
    m_info.hbmMask = CreateDib(m_pBits->Mask());
    m_bValid = m_info.hbmColor && m_info.hbmMask;
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
    if (!AlphaBitmaps::SetBits(m_info.hbmColor, m_pBits->Colour().header, colour))
        return nullptr;
    return CreateIconIndirect(&m_info);
}
