#include "IconBits.h"

#include <algorithm>
#include <cstring>

#include "AlphaBitmaps.h"

namespace
{
const BITMAPINFOHEADER& InfoOf(const IconBits::Record& record)
{
    return *reinterpret_cast<const BITMAPINFOHEADER*>(record.header.data());
}

bool CaptureRecord(HBITMAP hBitmap, IconBits::Record& record)
{
    if (hBitmap && AlphaBitmaps::CaptureBitmapBits(hBitmap, record.header, record.bits))
        return true;
    record = {};
    return false;
}

// The header capturing writes: bottom-up rows of 32 bits, nothing behind the
// 40 bytes of fields.
bool IsCapturedHeader(const IconBits::Record& record)
{
    if (record.header.size() != AlphaBitmaps::kHeaderBytes)
        return false;
    const BITMAPINFOHEADER& bi = InfoOf(record);
    BITMAPINFOHEADER expected{};
    expected.biSize = sizeof(BITMAPINFOHEADER);
    expected.biWidth = bi.biWidth;
    expected.biHeight = bi.biHeight;
    expected.biPlanes = 1;
    expected.biBitCount = 32;
    expected.biCompression = BI_RGB;
    expected.biSizeImage = static_cast<DWORD>(record.bits.size());
    return bi.biWidth > 0 && bi.biHeight > 0 &&
           record.bits.size() == static_cast<size_t>(bi.biWidth) * static_cast<size_t>(bi.biHeight) * 4 &&
           std::memcmp(&bi, &expected, sizeof(expected)) == 0 &&
           std::all_of(record.header.begin() + sizeof(expected), record.header.end(), [](BYTE b) { return b == 0; });
}

// An icon keeps no alpha in a colour of its own, and its mask is black or white.
bool HasNoAlpha(const std::vector<BYTE>& bits)
{
    for (size_t i = 3; i < bits.size(); i += 4)
        if (bits[i])
            return false;
    return true;
}

bool IsBlackOrWhite(const std::vector<BYTE>& bits)
{
    for (size_t i = 0; i < bits.size(); i += 4)
    {
        const DWORD pixel = static_cast<DWORD>(bits[i]) | static_cast<DWORD>(bits[i + 1]) << 8 |
                            static_cast<DWORD>(bits[i + 2]) << 16 | static_cast<DWORD>(bits[i + 3]) << 24;
        if (pixel != 0 && pixel != 0x00FFFFFF)
            return false;
    }
    return true;
}
} // namespace

std::shared_ptr<const IconBits> IconBits::Capture(HICON hIcon)
{
    ICONINFO info{};
    if (!hIcon || !GetIconInfo(hIcon, &info))
        return nullptr;
    Record colour, mask;
    CaptureRecord(info.hbmColor, colour);
    CaptureRecord(info.hbmMask, mask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return std::shared_ptr<const IconBits>(new IconBits(std::move(colour), std::move(mask)));
}

std::shared_ptr<const IconBits> IconBits::FromCapturedRecords(Record colour, Record mask)
{
    if (!IsCapturedHeader(colour) || colour.header != mask.header || !HasNoAlpha(colour.bits) ||
        !IsBlackOrWhite(mask.bits))
        return nullptr;
    return std::shared_ptr<const IconBits>(new IconBits(std::move(colour), std::move(mask)));
}

CSize IconBits::Extent() const
{
    if (m_mask.IsEmpty())
        return CSize(0, 0);
    const BITMAPINFOHEADER& bi = InfoOf(m_mask);
    return CSize(bi.biWidth, m_colour.IsEmpty() ? bi.biHeight / 2 : bi.biHeight);
}

HICON IconBits::MakeIcon() const
{
    if (m_colour.IsEmpty() || m_mask.IsEmpty())
        return nullptr;
    HBITMAP hColor = AlphaBitmaps::CreateDib(m_colour.header.data(), m_colour.bits.data(), m_colour.bits.size());
    HBITMAP hMask = AlphaBitmaps::CreateDib(m_mask.header.data(), m_mask.bits.data(), m_mask.bits.size());
    ICONINFO info{TRUE, 0, 0, hMask, hColor};
    HICON hIcon = hColor && hMask ? CreateIconIndirect(&info) : nullptr;
    if (hColor)
        DeleteObject(hColor);
    if (hMask)
        DeleteObject(hMask);
    return hIcon;
}
