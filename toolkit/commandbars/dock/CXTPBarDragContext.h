#pragma once
// The mouse loops of one toolbar: moving it between the dock bars and the
// floating state, resizing it by a border while it floats, and the double
// click that docks or floats it. It remembers where the bar was last docked
// and last floated; the dock bars write the last dock place. Resizing lives
// in CXTPBarDragContextResize.cpp.
#include "Framework.h"

class CXTPToolBar;

class CXTPBarDragContext {
public:
    explicit CXTPBarDragContext(CXTPToolBar* pBar);
    virtual ~CXTPBarDragContext() = default;

    virtual void StartDrag(CPoint point);
    // nHitTest: HTLEFT .. HTBOTTOMRIGHT, the border taken.
    virtual void StartResize(UINT nHitTest, CPoint point);
    // Docks a floating bar where it was last docked, or floats a docked one;
    // TRUE when something changed.
    virtual BOOL ToggleDocking();
    virtual void Track();

    int GetLastDockPosition() const { return m_nLastDockPosition; }
    void SetLastDockPosition(int nPosition) { m_nLastDockPosition = nPosition; }
    CRect GetLastDockRect() const { return m_rcLastDock; }
    void SetLastDockRect(const CRect& rc) { m_rcLastDock = rc; }
    CPoint GetLastFloatPosition() const { return m_ptLastFloat; }
    void SetLastFloatPosition(CPoint pt) { m_ptLastFloat = pt; }
    // 1 moving, HTLEFT .. HTBOTTOMRIGHT resizing.
    int GetMode() const { return m_nMode; }

protected:
    // One mouse move of a drag: dock where the point allows, else float.
    void Move(CPoint point);
    // A freely resizable bar follows the border taken.
    void ResizeFree(CPoint point);
    // A toolbar takes the width or height the border asks for.
    void ResizeToolBar(CPoint point);
    // TRUE when the rectangle touches the work area of the bar's monitor.
    BOOL IsOnWorkArea(const CRect& rc) const;
    // The size the bar floats at.
    CSize GetFloatSize() const;

    CXTPToolBar* m_pBar = nullptr;
    int m_nMode = 0;
    CPoint m_ptLast;
    int m_nLastDockPosition = 0;
    CRect m_rcLastDock;
    CPoint m_ptLastFloat{0, 0};
    CRect m_rectDrag;
    CRect m_rectFloat;
};
