#pragma once
// Wrapper of a common-controls image list. The object owns its list: destroying
// it destroys the list, unless the list was detached first.

#include "AfxNullObject.h"
#include "CObject.h"
#include "CPoint.h"

#include <commctrl.h>

class CBitmap;
class CDC;

class CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    ~CImageList() override;

    operator HIMAGELIST() const { return GetSafeHandle(); }
    HIMAGELIST GetSafeHandle() const { return AfxIsNullObject(this) ? nullptr : m_hImageList; }

    // The object that owns hImageList, else a temporary wrapper that lives until DeleteTempMap.
    static CImageList* FromHandle(HIMAGELIST hImageList);
    static void DeleteTempMap();
    static void ReleaseTemporary(CImageList& list) { list.m_hImageList = nullptr; }

    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    // nFlags: ILC_COLOR* | ILC_MASK ...; nInitial images room, growing by nGrow.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Images of width cx cut from a bitmap resource; crMask is the transparent colour
    // (CLR_NONE for none).
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL SetImageCount(UINT uNewCount) { return ImageList_SetImageCount(m_hImageList, uNewCount); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    {
        return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    BOOL GetIconSize(int* cx, int* cy) const { return ImageList_GetIconSize(m_hImageList, cx, cy); }
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }

    // Each Add returns the index of the first image added, -1 on failure.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
    // -1 removes every image.
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    // The caller owns the icon returned (DestroyIcon).
    HICON ExtractIcon(int nImage) { return ImageList_ExtractIcon(nullptr, m_hImageList, nImage); }
    BOOL SetOverlayImage(int nImage, int nOverlay) { return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay); }

    // nStyle: ILD_NORMAL, ILD_TRANSPARENT, ILD_SELECTED ...
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle);
};
