#include "CImageList.h"
#include "AfxCommonControls.h"
#include "CBitmap.h"
#include "CDC.h"
#include "CHandleMap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

using ImageListHandleMap = CHandleMap<CImageList, HIMAGELIST>;

std::unique_ptr<CImageList> MakeWrapper(HIMAGELIST hImageList)
{
    auto list = std::make_unique<CImageList>();
    list->m_hImageList = hImageList;
    return list;
}

} // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageListHandleMap::ForThread().FromHandle(hImageList, MakeWrapper);
}

void CImageList::DeleteTempMap()
{
    ImageListHandleMap::ForThread().DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return FALSE;
    ASSERT(m_hImageList == nullptr);
    m_hImageList = hImageList;
    ImageListHandleMap::ForThread().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr)
        ImageListHandleMap::ForThread().RemoveHandle(hImageList, this);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    AfxInitCommonControls(ICC_WIN95_CLASSES); // image lists live in comctl32
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEW(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    AfxInitCommonControls(ICC_WIN95_CLASSES); // image lists live in comctl32
    return Attach(ImageList_LoadImageW(AfxGetResourceHandle(), lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP,
                                       LR_CREATEDIBSECTION));
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, static_cast<HBITMAP>(pbmImage->GetSafeHandle()),
                         static_cast<HBITMAP>(pbmMask->GetSafeHandle()));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(pbmImage->GetSafeHandle()), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, static_cast<HBITMAP>(pbmImage->GetSafeHandle()),
                             static_cast<HBITMAP>(pbmMask->GetSafeHandle()));
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    return ImageList_DrawEx(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}
