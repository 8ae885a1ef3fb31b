#include "CXTDragTracker.h"

#include <algorithm>
#include <windowsx.h>

namespace {

HBRUSH CreateHalftoneBrush()
{
    WORD pattern[8];
    for (int i = 0; i < 8; ++i)
        pattern[i] = static_cast<WORD>(0x5555 << (i & 1));
    const HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
    const HBRUSH hBrush = ::CreatePatternBrush(hBitmap);
    ::DeleteObject(hBitmap);
    return hBrush;
}

} // namespace

CXTDragTracker::CXTDragTracker(CWnd* pOwner, BOOL bInvert) : m_pOwner(pOwner), m_bInvert(bInvert), m_rcLast(0, 0, 0, 0)
{
    if (!bInvert)
        m_halftone.Attach(CreateHalftoneBrush());
}

CXTDragTracker::~CXTDragTracker() = default;

void CXTDragTracker::Draw(const CRect& rect)
{
    if (m_bInvert) {
        ::InvertRect(m_hDesktopDC, &rect);
        return;
    }
    const HGDIOBJ hOld = ::SelectObject(m_hDesktopDC, m_halftone.GetSafeHandle());
    ::PatBlt(m_hDesktopDC, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    ::SelectObject(m_hDesktopDC, hOld);
}

int CXTDragTracker::Track(int nMinX, int nMinY, int nMaxX, int nMaxY, CRect& rect, CPoint point, BOOL bHorizontal)
{
    const HWND hOwner = m_pOwner->GetSafeHwnd();
    ::SetCapture(hOwner);
    const HWND hDesktop = ::GetDesktopWindow();
    const BOOL bLocked = ::LockWindowUpdate(hDesktop);
    m_hDesktopDC = ::GetDCEx(hDesktop, nullptr,
                             bLocked ? DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE : DCX_WINDOW | DCX_CACHE);
    const CSize offset = bHorizontal ? CSize(rect.left - point.x, 0) : CSize(0, rect.top - point.y);
    Draw(rect);
    if (!m_rcLast.IsRectEmpty())
        Draw(m_rcLast);

    int result = 0;
    MSG msg{};
    while (::GetCapture() == hOwner) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The program is quitting: hand the quit on to the main loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (msg.message == WM_MOUSEMOVE) {
            CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            ::ClientToScreen(msg.hwnd, &pt);
            pt += offset;
            // The minimum wins when the limits cross.
            pt.x = std::max<LONG>(nMinX, std::min<LONG>(pt.x, nMaxX));
            pt.y = std::max<LONG>(nMinY, std::min<LONG>(pt.y, nMaxY));
            const LONG delta = bHorizontal ? pt.x - rect.left : pt.y - rect.top;
            if (delta != 0) {
                Draw(rect);
                rect.OffsetRect(bHorizontal ? delta : 0, bHorizontal ? 0 : delta);
                Draw(rect);
            }
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            break;
        } else if (msg.message == WM_LBUTTONUP) {
            result = 1;
            break;
        } else {
            ::DispatchMessageW(&msg);
        }
    }

    if (!m_rcLast.IsRectEmpty())
        Draw(m_rcLast);
    Draw(rect);
    if (::GetCapture() == hOwner)
        ::ReleaseCapture();
    if (bLocked)
        ::LockWindowUpdate(nullptr);
    ::ReleaseDC(hDesktop, m_hDesktopDC);
    m_hDesktopDC = nullptr;
    return result;
}
