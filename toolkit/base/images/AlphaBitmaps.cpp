#include "AlphaBitmaps.h"

#include <cstring>
#include <new>
#include <shlwapi.h>

#include "imagecodec/PixelMath.h"

namespace
{
using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

// msimg32 stays loaded for the life of the program.
AlphaBlendFn AlphaBlendEntry()
{
    static const AlphaBlendFn entry = [] {
        HMODULE hModule = LoadLibraryW(L"msimg32.dll");
        return hModule ? reinterpret_cast<AlphaBlendFn>(reinterpret_cast<void*>(GetProcAddress(hModule, "AlphaBlend")))
                       : nullptr;
    }();
    return entry;
}

BITMAPINFOHEADER& InfoOf(std::vector<BYTE>& header)
{
    return *reinterpret_cast<BITMAPINFOHEADER*>(header.data());
}
} // namespace

HDC AlphaBitmaps::WorkDC()
{
    static const HDC hDC = CreateCompatibleDC(nullptr);
    return hDC;
}

bool AlphaBitmaps::GetBitmapBits32(HDC hDC, HBITMAP hBitmap, std::vector<BYTE>& header, std::vector<BYTE>& bits)
{
    try
    {
        header.assign(kHeaderBytes, 0);
        BITMAPINFOHEADER& bi = InfoOf(header);
        bi.biSize = sizeof(BITMAPINFOHEADER);
        if (!hBitmap || !GetDIBits(hDC, hBitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(header.data()), DIB_RGB_COLORS) ||
            bi.biBitCount != 32 || bi.biWidth <= 0 || bi.biHeight == 0)
            return false;
        bi.biCompression = BI_RGB;
        const size_t rows = static_cast<size_t>(bi.biHeight < 0 ? -bi.biHeight : bi.biHeight);
        bits.assign(static_cast<size_t>(bi.biWidth) * rows * 4, 0);
        bi.biSizeImage = static_cast<DWORD>(bits.size());
        if (GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(rows), bits.data(), reinterpret_cast<BITMAPINFO*>(header.data()),
                      DIB_RGB_COLORS) == 0)
            return false;
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

bool AlphaBitmaps::CaptureBitmapBits(HBITMAP hBitmap, std::vector<BYTE>& header, std::vector<BYTE>& bits)
{
    BITMAP bm{};
    if (!hBitmap || !GetObjectW(hBitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return false;
    try
    {
        header.assign(kHeaderBytes, 0);
        BITMAPINFOHEADER& bi = InfoOf(header);
        bi.biSize = sizeof(BITMAPINFOHEADER);
        bi.biWidth = bm.bmWidth;
        bi.biHeight = bm.bmHeight;
        bi.biPlanes = 1;
        bi.biBitCount = 32;
        bi.biCompression = BI_RGB;
        bits.assign(static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight) * 4, 0);
        bi.biSizeImage = static_cast<DWORD>(bits.size());
        return GetDIBits(WorkDC(), hBitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data(),
                         reinterpret_cast<BITMAPINFO*>(header.data()), DIB_RGB_COLORS) != 0;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

HBITMAP AlphaBitmaps::CreateDib(const BYTE* header, const BYTE* bits, size_t nBits)
{
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap || !pBits)
        return hBitmap;
    std::memcpy(pBits, bits, nBits);
    GdiFlush();
    return hBitmap;
}

HBITMAP AlphaBitmaps::CreateAlphaDib(int cx, int cy, const BYTE* bits)
{
    std::vector<BYTE> header(kHeaderBytes, 0);
    BITMAPINFOHEADER& bi = InfoOf(header);
    bi.biSize = sizeof(BITMAPINFOHEADER);
    bi.biWidth = cx;
    bi.biHeight = cy;
    bi.biPlanes = 1;
    bi.biBitCount = 32;
    bi.biCompression = BI_RGB;
    bi.biSizeImage = static_cast<DWORD>(cx * (cy < 0 ? -cy : cy) * 4);
    return CreateDib(header.data(), bits, bi.biSizeImage);
}

HBITMAP AlphaBitmaps::CopyAlphaBitmap(HBITMAP hBitmap)
{
    std::vector<BYTE> header, bits;
    return GetBitmapBits32(WorkDC(), hBitmap, header, bits) ? CreateDib(header.data(), bits.data(), bits.size()) : nullptr;
}

HBITMAP AlphaBitmaps::CreateAlphaBitmapCopy(HBITMAP hBitmap)
{
    std::vector<BYTE> header, bits;
    if (!GetBitmapBits32(WorkDC(), hBitmap, header, bits))
        return nullptr;
    imagecodec::PixelMath::PremultiplyPixels(bits.data(), bits.size() / 4);
    return CreateDib(header.data(), bits.data(), bits.size());
}

bool AlphaBitmaps::ReadBits32(HBITMAP hBitmap, std::vector<BYTE>& header, std::vector<BYTE>& bits)
{
    return GetBitmapBits32(WorkDC(), hBitmap, header, bits);
}

bool AlphaBitmaps::SetBits(HBITMAP hBitmap, const std::vector<BYTE>& header, const std::vector<BYTE>& bits)
{
    const auto& bi = *reinterpret_cast<const BITMAPINFOHEADER*>(header.data());
    const int rows = bi.biHeight < 0 ? -bi.biHeight : bi.biHeight;
    return SetDIBits(WorkDC(), hBitmap, 0, static_cast<UINT>(rows), bits.data(),
                     reinterpret_cast<const BITMAPINFO*>(header.data()), DIB_RGB_COLORS) != 0;
}

bool AlphaBitmaps::CutAlphaStrip(HBITMAP hBitmap, int n, std::vector<HBITMAP>& pieces)
{
    pieces.clear();
    std::vector<BYTE> header, bits;
    if (n <= 0 || !GetBitmapBits32(WorkDC(), hBitmap, header, bits))
        return false;
    BITMAPINFOHEADER& bi = InfoOf(header);
    const int width = bi.biWidth, pieceWidth = width / n;
    const int rows = bi.biHeight < 0 ? -bi.biHeight : bi.biHeight;
    if (pieceWidth == 0)
        return false;
    bi.biWidth = pieceWidth;
    bi.biSizeImage = static_cast<DWORD>(pieceWidth * rows * 4);
    std::vector<BYTE> piece(bi.biSizeImage);
    for (int k = 0; k < n; ++k)
    {
        for (int y = 0; y < rows; ++y)
            std::memcpy(&piece[static_cast<size_t>(y) * pieceWidth * 4],
                        &bits[(static_cast<size_t>(y) * width + static_cast<size_t>(k) * pieceWidth) * 4],
                        static_cast<size_t>(pieceWidth) * 4);
        HBITMAP hPiece = CreateDib(header.data(), piece.data(), piece.size());
        if (!hPiece)
        {
            for (HBITMAP h : pieces)
                DeleteObject(h);
            pieces.clear();
            return false;
        }
        pieces.push_back(hPiece);
    }
    return true;
}

COLORREF AlphaBitmaps::ReadBitmapPixel(HBITMAP hBitmap, int x, int y)
{
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    const COLORREF colour = GetPixel(hDC, x, y);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    return colour;
}

bool AlphaBitmaps::HasAlphaBlend()
{
    return AlphaBlendEntry() != nullptr;
}

void AlphaBitmaps::DrawAlphaBitmap(HDC hDC, HBITMAP hBitmap, int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc,
                                   int cySrc)
{
    const AlphaBlendFn alphaBlend = AlphaBlendEntry();
    if (!alphaBlend || !hBitmap)
        return;
    if (cxSrc == 0 && cySrc == 0)
    {
        cxSrc = cx;
        cySrc = cy;
    }
    HDC hMemDC = CreateCompatibleDC(hDC);
    HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    alphaBlend(hDC, x, y, cx, cy, hMemDC, xSrc, ySrc, cxSrc, cySrc, blend);
    SelectObject(hMemDC, hOld);
    DeleteDC(hMemDC);
}

bool AlphaBitmaps::IsAlphaImageListSupported()
{
    HMODULE hModule = LoadLibraryW(L"comctl32.dll");
    if (!hModule)
        return false;
    bool supported = false;
    if (auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(hModule, "DllGetVersion"))))
    {
        DLLVERSIONINFO info{};
        info.cbSize = sizeof(info);
        supported = SUCCEEDED(getVersion(&info)) && info.dwMajorVersion > 5;
    }
    FreeLibrary(hModule);
    return supported;
}
