#pragma once
// A modal drag of a splitter-like rectangle on the desktop: the rectangle
// follows the mouse along one axis within limits until the left button is
// released (kept) or the drag is cancelled.
#include "Framework.h"
#include "CWnd.h"

class CXTDragTracker {
public:
    // bInvert: draw by inverting the pixels; else with a halftone pattern.
    CXTDragTracker(CWnd* pOwner, BOOL bInvert = FALSE);
    ~CXTDragTracker();
    CXTDragTracker(const CXTDragTracker&) = delete;
    CXTDragTracker& operator=(const CXTDragTracker&) = delete;

    // A rectangle shown for the whole drag beside the moving one (e.g. the bar's old place).
    void SetLastRect(const CRect& rect) { m_rcLast = rect; }

    // rect and point are in screen coordinates; rect moves in place, its left
    // edge (bHorizontal) or top edge kept within [min, max] of that axis.
    // 1 when the left button was released; 0 on Escape, a lost capture or WM_QUIT.
    int Track(int nMinX, int nMinY, int nMaxX, int nMaxY, CRect& rect, CPoint point, BOOL bHorizontal);

private:
    void Draw(const CRect& rect);

    CWnd* m_pOwner;
    BOOL m_bInvert;
    HDC m_hDesktopDC = nullptr;
    CBrush m_halftone;
    CRect m_rcLast;
};
