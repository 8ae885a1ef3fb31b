#include "CDC.h"
#include "CHandleMap.h"
#include "CWnd.h"
#include "GdiObjectCounter.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

using DcHandleMap = CHandleMap<CDC, HDC>;

std::unique_ptr<CDC> MakeWrapper(HDC hDC)
{
    auto dc = std::make_unique<CDC>();
    dc->m_hDC = dc->m_hAttribDC = hDC;
    return dc;
}

using GradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

// msimg32 is not on every system the program meets, so it is looked up once at run time.
GradientFillProc GradientFillEntry()
{
    static const GradientFillProc entry = [] {
        HMODULE library = ::LoadLibraryW(L"msimg32.dll");
        return library != nullptr
                   ? reinterpret_cast<GradientFillProc>(reinterpret_cast<void*>(::GetProcAddress(library, "GradientFill")))
                   : nullptr;
    }();
    return entry;
}

} // namespace

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC)
{
    return DcHandleMap::ForThread().FromHandle(hDC, MakeWrapper);
}

void CDC::DeleteTempMap()
{
    DcHandleMap::ForThread().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    ASSERT(m_hDC == nullptr);
    m_hDC = m_hAttribDC = hDC;
    DcHandleMap::ForThread().SetPermanent(hDC, this);
    ORBALIN_GDI_TAKEN();
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr) {
        // Temporary wrappers were never counted.
        if (DcHandleMap::ForThread().LookupPermanent(hDC) == this)
            ORBALIN_GDI_RELEASED();
        DcHandleMap::ForThread().RemoveHandle(hDC, this);
    }
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDCW(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEW*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateICW(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEW*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int nSaved = 0;
    if (m_hAttribDC != nullptr)
        nSaved = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nSaved = -1; // both saved: restore with RestoreDC(-1)
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRestored = TRUE;
    if (m_hDC != m_hAttribDC)
        bRestored = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != nullptr)
        bRestored = ::RestoreDC(m_hAttribDC, nSavedDC) && bRestored;
    return bRestored;
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

HGDIOBJ CDC::SelectHandle(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    return ApplyToBoth([hObject](HDC hDC) { return ::SelectObject(hDC, hObject); });
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return static_cast<CPen*>(CGdiObject::FromHandle(SelectHandle(pPen->GetSafeHandle())));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return static_cast<CBrush*>(CGdiObject::FromHandle(SelectHandle(pBrush->GetSafeHandle())));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return static_cast<CFont*>(CGdiObject::FromHandle(SelectHandle(pFont->GetSafeHandle())));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return static_cast<CBitmap*>(CGdiObject::FromHandle(SelectHandle(pBitmap->GetSafeHandle())));
}

int CDC::SelectObject(CRgn* pRgn)
{
    // Selecting a region sets the clip region; GDI answers the region type.
    HGDIOBJ hRgn = pRgn->GetSafeHandle();
    if (hRgn == nullptr)
        return ERROR;
    return static_cast<int>(reinterpret_cast<INT_PTR>(SelectHandle(hRgn)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectHandle(pObject->GetSafeHandle()));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectHandle(::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    HPALETTE hPalette = static_cast<HPALETTE>(pPalette->GetSafeHandle());
    return CPalette::FromHandle(::SelectPalette(m_hDC, hPalette, bForceBackground));
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(m_hDC, OBJ_PAL)));
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ApplyToBoth([crColor](HDC hDC) { return ::SetTextColor(hDC, crColor); });
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ApplyToBoth([crColor](HDC hDC) { return ::SetBkColor(hDC, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return ApplyToBoth([nBkMode](HDC hDC) { return ::SetBkMode(hDC, nBkMode); });
}

int CDC::SetROP2(int nDrawMode)
{
    return ApplyToBoth([nDrawMode](HDC hDC) { return ::SetROP2(hDC, nDrawMode); });
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return ApplyToBoth([nFlags](HDC hDC) { return ::SetTextAlign(hDC, nFlags); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return ApplyToBoth([nStretchMode](HDC hDC) { return ::SetStretchBltMode(hDC, nStretchMode); });
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return ApplyToBoth([nCharExtra](HDC hDC) { return ::SetTextCharacterExtra(hDC, nCharExtra); });
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT old{};
    ::SetBrushOrgEx(m_hDC, x, y, &old);
    return old;
}

CPoint CDC::GetBrushOrg() const
{
    POINT org{};
    ::GetBrushOrgEx(m_hDC, &org);
    return org;
}

int CDC::SetMapMode(int nMapMode)
{
    return ApplyToBoth([nMapMode](HDC hDC) { return ::SetMapMode(hDC, nMapMode); });
}

CPoint CDC::GetViewportOrg() const
{
    POINT org{};
    ::GetViewportOrgEx(m_hAttribDC, &org);
    return org;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return ApplyToBoth([x, y](HDC hDC) {
        CPoint old;
        ::SetViewportOrgEx(hDC, x, y, &old);
        return old;
    });
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return ApplyToBoth([nWidth, nHeight](HDC hDC) {
        CPoint old;
        ::OffsetViewportOrgEx(hDC, nWidth, nHeight, &old);
        return old;
    });
}

CSize CDC::GetViewportExt() const
{
    SIZE ext{};
    ::GetViewportExtEx(m_hAttribDC, &ext);
    return ext;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return ApplyToBoth([cx, cy](HDC hDC) {
        CSize old;
        ::SetViewportExtEx(hDC, cx, cy, &old);
        return old;
    });
}

CPoint CDC::GetWindowOrg() const
{
    POINT org{};
    ::GetWindowOrgEx(m_hAttribDC, &org);
    return org;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return ApplyToBoth([x, y](HDC hDC) {
        CPoint old;
        ::SetWindowOrgEx(hDC, x, y, &old);
        return old;
    });
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    return ApplyToBoth([nWidth, nHeight](HDC hDC) {
        CPoint old;
        ::OffsetWindowOrgEx(hDC, nWidth, nHeight, &old);
        return old;
    });
}

CSize CDC::GetWindowExt() const
{
    SIZE ext{};
    ::GetWindowExtEx(m_hAttribDC, &ext);
    return ext;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return ApplyToBoth([cx, cy](HDC hDC) {
        CSize old;
        ::SetWindowExtEx(hDC, cx, cy, &old);
        return old;
    });
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    // A size converts as the distance between two converted points.
    POINT points[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    LPtoDP(points, 2);
    lpSize->cx = points[1].x - points[0].x;
    lpSize->cy = points[1].y - points[0].y;
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    POINT points[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    DPtoLP(points, 2);
    lpSize->cx = points[1].x - points[0].x;
    lpSize->cy = points[1].y - points[0].y;
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    // A null region removes the clipping.
    HRGN hRgn = static_cast<HRGN>(pRgn->GetSafeHandle());
    return ApplyToBoth([hRgn](HDC hDC) { return ::SelectClipRgn(hDC, hRgn); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = static_cast<HRGN>(pRgn->GetSafeHandle());
    return ApplyToBoth([hRgn, nMode](HDC hDC) { return ::ExtSelectClipRgn(hDC, hRgn, nMode); });
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ApplyToBoth([=](HDC hDC) { return ::IntersectClipRect(hDC, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return ApplyToBoth([=](HDC hDC) { return ::ExcludeClipRect(hDC, x1, y1, x2, y2); });
}

CPoint CDC::GetCurrentPosition() const
{
    POINT point{};
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::MoveTo(int x, int y)
{
    return ApplyToBoth([x, y](HDC hDC) {
        CPoint old;
        ::MoveToEx(hDC, x, y, &old);
        return old;
    });
}

BOOL CDC::LineTo(int x, int y)
{
    // The attribute DC keeps the current position in step.
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
    ::SetBkColor(m_hDC, crColor);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
    const RECT rect{x, y, x + cx, y + cy};
    FillSolidRect(&rect, crColor);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    // Top and left stop one pixel short of the far corners, which belong to bottom and right.
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()), static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()), static_cast<HBRUSH>(pBrush->GetSafeHandle()),
                      nWidth, nHeight);
}

BOOL CDC::GradientFill(TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMeshElements, DWORD dwMode)
{
    GradientFillProc entry = GradientFillEntry();
    return entry != nullptr && entry(m_hDC, pVertices, nVertices, pMesh, nMeshElements, dwMode);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, static_cast<HBITMAP>(pBitmap->GetSafeHandle()), nFlags,
                     static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText), static_cast<WPARAM>(nTextLen),
                        pt.x, pt.y, size.cx, size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOutW(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    // The system may write into the text only with DT_MODIFYSTRING, which a const text cannot allow.
    return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat & ~static_cast<UINT>(DT_MODIFYSTRING));
}

int CDC::DrawTextEx(LPTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat, LPDRAWTEXTPARAMS lpDTParams)
{
    return ::DrawTextExW(m_hDC, lpszString, nCount, lpRect, nFormat, lpDTParams);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size{};
    ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return size;
}

int CDC::GetTextFace(CString& rString) const
{
    const int nLength = ::GetTextFaceW(m_hAttribDC, 0, nullptr);
    if (nLength <= 0) {
        rString.Empty();
        return 0;
    }
    const int nResult = ::GetTextFaceW(m_hAttribDC, nLength, rString.GetBuffer(nLength));
    rString.ReleaseBuffer();
    return nResult;
}
