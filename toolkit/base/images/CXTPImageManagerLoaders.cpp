// The loaders of CXTPImageManager: each one ends in StoreCommandImage.
#include <commctrl.h>
#include <vector>

#include "AlphaBitmaps.h"
#include "CXTPImageManager.h"
#include "ImageResources.h"
#include "imagecodec/IconGroupDirectory.h"

namespace
{
// Which ids take an image: with as many ids as images every id takes one, 0
// included; otherwise ids of 0 are separators and take none.
std::vector<UINT> CommandsTakingImages(const UINT* pCommands, int nCount, int nImages)
{
    std::vector<UINT> taken;
    for (int i = 0; i < nCount; ++i)
    {
        const UINT id = pCommands ? pCommands[i] : static_cast<UINT>(i);
        if (id == 0 && nCount != nImages)
            continue;
        taken.push_back(id);
    }
    return taken;
}
} // namespace

BOOL CXTPImageManager::SetIconsFromResource(UINT nResourceID, UINT nCommand, int cx, int cy, int nState)
{
    const auto dir = imagecodec::IconGroupDirectory::Parse(ImageResources::Find(nResourceID, RT_GROUP_ICON));
    if (!dir)
    {
        CXTPImageManagerIconHandle hIcon;
        return hIcon.LoadIconResource(nResourceID, cx, cy, FALSE, this) &&
               StoreCommandImage(hIcon, nCommand, cx, cy, nState);
    }
    for (const auto& entry : dir->entries)
    {
        if ((cx || cy) && (entry.width != cx || entry.height != cy))
            continue;
        CXTPImageManagerIconHandle hIcon;
        if (!hIcon.LoadIconResource(entry.iconId, entry.width, entry.height, FALSE, this) ||
            !StoreCommandImage(hIcon, nCommand, entry.width, entry.height, nState))
            return FALSE;
    }
    return TRUE;
}

BOOL CXTPImageManager::AddImageListIcons(HIMAGELIST hImageList, const UINT* pCommands, int nCount, int cx, int cy,
                                         int nState)
{
    if (!hImageList)
        return FALSE;
    const int nImages = ImageList_GetImageCount(hImageList);
    if (nCount == 0 && !pCommands)
        nCount = nImages;
    if (cx == 0 && cy == 0 && nCount > 0)
    {
        IMAGEINFO info{};
        if (ImageList_GetImageInfo(hImageList, 0, &info))
        {
            cx = info.rcImage.right - info.rcImage.left;
            cy = info.rcImage.bottom - info.rcImage.top;
        }
    }
    int nImage = 0;
    for (const UINT id : CommandsTakingImages(pCommands, nCount, nImages))
    {
        HICON hIcon = ImageList_GetIcon(hImageList, nImage++, 0);
        if (!hIcon)
            return FALSE;
        StoreCommandImage(CXTPImageManagerIconHandle(hIcon), id, cx, cy, nState);
        DestroyIcon(hIcon);
    }
    return TRUE;
}

BOOL CXTPImageManager::SetIcons(HBITMAP hBitmap, const UINT* pCommands, int nCount, int cx, int cy, int nState,
                                BOOL bAlpha)
{
    if (cx == 0 || !hBitmap)
        return FALSE;
    if (!bAlpha)
    {
        HIMAGELIST hList = ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, 0, 1);
        if (!hList)
            return FALSE;
        const COLORREF clrMask =
            m_clrMask == static_cast<COLORREF>(-1) ? AlphaBitmaps::ReadBitmapPixel(hBitmap, 0, 0) : m_clrMask;
        ImageList_AddMasked(hList, hBitmap, clrMask);
        const BOOL bResult = AddImageListIcons(hList, pCommands, nCount, cx, cy, nState);
        ImageList_Destroy(hList);
        return bResult;
    }
    BITMAP bm{};
    if (!GetObjectW(hBitmap, sizeof(bm), &bm) || bm.bmWidth % cx != 0)
        return FALSE;
    const int nPieces = bm.bmWidth / cx;
    std::vector<HBITMAP> pieces;
    if (!AlphaBitmaps::CutAlphaStrip(hBitmap, nPieces, pieces))
        return FALSE;
    size_t nPiece = 0;
    for (const UINT id : CommandsTakingImages(pCommands, nCount, nPieces))
    {
        if (nPiece == pieces.size())
            break;
        StoreCommandImage(CXTPImageManagerIconHandle(pieces[nPiece++]), id, cx, cy, nState);
    }
    for (HBITMAP hPiece : pieces)
        DeleteObject(hPiece);
    return TRUE;
}

BOOL CXTPImageManager::SetIconsFromBitmapResource(UINT nBitmapID, const UINT* pCommands, int nCount, int cx, int cy,
                                                  int nState)
{
    // Without a count or a size there is nothing to cut the strip by.
    if (nCount == 0 && cx == 0)
        return FALSE;
    const BOOL bAlpha = ImageResources::BitmapResourceHasAlpha(nBitmapID);
    HBITMAP hBitmap = bAlpha ? ImageResources::LoadAlphaBitmapResource(nBitmapID)
                             : static_cast<HBITMAP>(LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nBitmapID),
                                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!hBitmap)
        return FALSE;
    BITMAP bm{};
    GetObjectW(hBitmap, sizeof(bm), &bm);
    if (cx == 0 && cy == 0)
    {
        cy = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
        cx = bm.bmWidth / nCount;
    }
    if (nCount == 0)
        nCount = bm.bmWidth / cx;
    const BOOL bResult = SetIcons(hBitmap, pCommands, nCount, cx, cy, nState, bAlpha);
    DeleteObject(hBitmap);
    return bResult;
}

BOOL CXTPImageManager::AddToolBarIcons(UINT nToolBarID, UINT nBitmapID, int nState)
{
    std::vector<UINT> ids;
    CSize size;
    if (!ImageResources::LoadToolBarResource(nToolBarID, ids, size) || ids.empty())
        return FALSE;
    // The size comes from the bitmap, not from the toolbar resource.
    return SetIconsFromBitmapResource(nBitmapID, ids.data(), static_cast<int>(ids.size()), 0, 0, nState);
}

BOOL CXTPImageManager::AddToolBarIcons(UINT nToolBarID)
{
    return AddToolBarIcons(nToolBarID, nToolBarID);
}
