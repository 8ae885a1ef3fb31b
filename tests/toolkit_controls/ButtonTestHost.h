#pragma once
// What the button tests share: a toolkit button whose hot state the test sets
// and which counts how often it turned owner-drawn, and drawing it through its
// theme onto a memory canvas.
#include "CXTButton.h"
#include "CXTButtonTheme.h"
#include "CXTPColorManager.h"
#include "ToolkitTestHost.h"

class ProbeButton : public CXTButton {
public:
    using CXTButton::CXTButton;

    void InitOwnerDraw() override
    {
        ++ownerDrawInits;
        CXTButton::InitOwnerDraw();
    }
    void SetHot(BOOL bHot) { m_bHot = bHot; }

    int ownerDrawInits = 0;
};

// The colour manager's colour of that number.
inline COLORREF ColorOf(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

// The button's whole face drawn by its theme at (0, 0) of the canvas, as the
// owner-draw record of that state asks.
inline void DrawButton(CXTButton& button, MemoryCanvas& canvas, UINT nState)
{
    canvas.dc().FillSolidRect(0, 0, canvas.Width(), canvas.Height(), RGB(255, 255, 255));
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = button.GetSafeHwnd();
    dis.hDC = canvas.dc().GetSafeHdc();
    button.GetClientRect(&dis.rcItem);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = nState;
    button.DrawItem(&dis);
}

// The smallest rectangle inside area holding every pixel that is not clrFace.
inline CRect InkBounds(const MemoryCanvas& canvas, const CRect& area, COLORREF clrFace)
{
    CRect bounds(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.At(x, y) != clrFace) {
                bounds.left = std::min<int>(bounds.left, x);
                bounds.top = std::min<int>(bounds.top, y);
                bounds.right = std::max<int>(bounds.right, x + 1);
                bounds.bottom = std::max<int>(bounds.bottom, y + 1);
            }
    return bounds;
}
