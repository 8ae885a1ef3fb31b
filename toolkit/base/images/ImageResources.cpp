#include "ImageResources.h"

#include "AlphaBitmaps.h"
#include "imagecodec/BmpFile.h"
#include "imagecodec/ByteSource.h"
#include "imagecodec/IconFile.h"
#include "imagecodec/ToolBarResource.h"

namespace
{
constexpr WORD kToolBarType = 241;
// Larger image files are not ours.
constexpr LONGLONG kMaxFileBytes = 64 * 1024 * 1024;
} // namespace

std::span<const BYTE> ImageResources::Find(UINT nID, LPCWSTR pszType)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = FindResourceW(hInst, MAKEINTRESOURCEW(nID), pszType);
    if (!hRes)
        return {};
    HGLOBAL hData = LoadResource(hInst, hRes);
    const void* data = hData ? LockResource(hData) : nullptr;
    if (!data)
        return {};
    return {static_cast<const BYTE*>(data), SizeofResource(hInst, hRes)};
}

BOOL ImageResources::BitmapResourceHasAlpha(UINT nID)
{
    const auto header = imagecodec::DibHeader::Parse(Find(nID, RT_BITMAP));
    return header && header->bitCount == 32;
}

HBITMAP ImageResources::AlphaBitmapOf(std::span<const BYTE> headerBytes, std::span<const BYTE> pixels)
{
    const auto header = imagecodec::DibHeader::Parse(headerBytes);
    if (!header || header->bitCount != 32 || pixels.size() < header->AlphaBytes())
        return nullptr;
    // With bit fields the masks sit at byte 40, behind a 40-byte header or within a larger one.
    if (header->compression == imagecodec::DibHeader::kBitFields &&
        (imagecodec::ReadU32(headerBytes, 40) != 0x00FF0000 || imagecodec::ReadU32(headerBytes, 44) != 0x0000FF00 ||
         imagecodec::ReadU32(headerBytes, 48) != 0x000000FF))
        return nullptr;
    return AlphaBitmaps::CreateAlphaDib(header->width, header->height, pixels.data());
}

HBITMAP ImageResources::LoadAlphaBitmapResource(UINT nID)
{
    const auto bytes = Find(nID, RT_BITMAP);
    const auto header = imagecodec::DibHeader::Parse(bytes);
    if (!header || header->pixelOffset + header->AlphaBytes() > bytes.size())
        return nullptr;
    return AlphaBitmapOf(bytes, bytes.subspan(header->pixelOffset));
}

std::vector<BYTE> ImageResources::ReadFileBytes(LPCWSTR pszPath)
{
    std::vector<BYTE> bytes;
    HANDLE hFile = CreateFileW(pszPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(hFile, &size) && size.QuadPart > 0 && size.QuadPart <= kMaxFileBytes)
    {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
            bytes.clear();
    }
    CloseHandle(hFile);
    return bytes;
}

HBITMAP ImageResources::LoadIconFromFile(LPCWSTR pszPath, int nWidth)
{
    const auto file = ReadFileBytes(pszPath);
    const auto image = imagecodec::IconFile::FindAlphaImage(file, nWidth);
    return image ? AlphaBitmaps::CreateAlphaDib(image->header.width, image->header.height, image->pixels.data()) : nullptr;
}

BOOL ImageResources::IsAlphaBitmapFile(LPCWSTR pszPath)
{
    const auto file = ReadFileBytes(pszPath);
    const auto bmp = imagecodec::BmpFile::Parse(file);
    return bmp && bmp->header.bitCount == 32;
}

HBITMAP ImageResources::LoadBitmapFile(LPCWSTR pszPath)
{
    const auto file = ReadFileBytes(pszPath);
    const auto bmp = imagecodec::BmpFile::Parse(file);
    if (!bmp)
        return nullptr;
    if (bmp->header.bitCount == 32)
        return AlphaBitmapOf(bmp->headerBytes, bmp->pixels);
    return static_cast<HBITMAP>(LoadImageW(nullptr, pszPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

BOOL ImageResources::LoadToolBarResource(UINT nID, std::vector<UINT>& ids, CSize& size)
{
    const auto res = imagecodec::ToolBarResource::Parse(Find(nID, MAKEINTRESOURCEW(kToolBarType)));
    if (!res)
        return FALSE;
    ids.clear();
    for (const UINT id : res->items)
        if (id)
            ids.push_back(id);
    size = CSize(res->width, res->height);
    return TRUE;
}
