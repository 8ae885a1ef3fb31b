#pragma once
// Reads images from the program's resources and from files. Every size and
// offset in them is checked before a byte is copied.
#include <span>
#include <vector>

#include "Framework.h"

class ImageResources
{
public:
    // The bytes of a resource of the resource module; empty when missing.
    static std::span<const BYTE> Find(UINT nID, LPCWSTR pszType);

    static BOOL BitmapResourceHasAlpha(UINT nID);
    // A 32-bit RT_BITMAP as an alpha bitmap; null for another depth or a
    // damaged resource.
    static HBITMAP LoadAlphaBitmapResource(UINT nID);
    // The first 32-bit image of the width (any when 0) in an .ico file.
    static HBITMAP LoadIconFromFile(LPCWSTR pszPath, int nWidth);
    static BOOL IsAlphaBitmapFile(LPCWSTR pszPath);
    // A .bmp file; 32-bit ones (40-, 108- or 124-byte headers) come as alpha bitmaps.
    static HBITMAP LoadBitmapFile(LPCWSTR pszPath);
    // The command ids of a toolbar resource (separators left out) and its image size.
    static BOOL LoadToolBarResource(UINT nID, std::vector<UINT>& ids, CSize& size);

private:
    static std::vector<BYTE> ReadFileBytes(LPCWSTR pszPath);
    // The 32-bit pixels behind a header as an alpha bitmap; masks other than
    // plain blue, green, red and alpha are refused.
    static HBITMAP AlphaBitmapOf(std::span<const BYTE> headerBytes, std::span<const BYTE> pixels);
};
