#pragma once
// The title tip: a small borderless pop-up that shows the whole text of a grid
// cell whose text does not fit, laid over the cell's text while the mouse rests
// on the cell. Clicks and keys it receives go on to the window underneath, and
// it hides as soon as the mouse leaves the cell.
#include "Framework.h"
#include "CFont.h"

class CGridHoverTip : public CWnd {
    DECLARE_DYNAMIC(CGridHoverTip)
public:
    // Registers the "ZTitleTip" window class at the first construction.
    CGridHoverTip();
    ~CGridHoverTip() override;

    // The grid the tip serves; the window is made on the first show.
    void SetParentGrid(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }
    // Remembers the grid and makes the window once; TRUE when it exists.
    BOOL CreateTip(CWnd* pParentWnd);
    // Shows text over rectTitle (the grid's client coordinates) when it does not
    // fit there or holds line breaks (each ';' starts a line). The tip hides
    // when the mouse leaves rectHover (rectTitle when null). Colours of
    // 0xFF000000 and a null font take the defaults (the grid's font).
    void ShowOverCell(CRect rectTitle, LPCTSTR text, int xOffset = 0, LPCRECT rectHover = nullptr,
                      const LOGFONTW* font = nullptr, COLORREF textColour = 0xFF000000,
                      COLORREF backColour = 0xFF000000);
    void HideTip();
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    // The window under a screen point, the grid for the tip itself.
    HWND WindowUnder(CPoint screen) const;
    void PaintText(CDC* pDC);

    CWnd* m_pParentWnd = nullptr;
    // Kept in screen coordinates: the tip moves when it is shown.
    CRect m_rectHover;
    DWORD m_dwLastLButtonDown = 0xFFFFFFFF;
    DWORD m_dwDblClickMsecs;
    BOOL m_bCreated = FALSE;

    // What the tip shows, for drawing and repainting.
    CString m_strShown;
    CFont m_ownFont;
    HFONT m_hShownFont = nullptr;
    CSize m_textSize;
    COLORREF m_crText = 0xFF000000;
    COLORREF m_crBack = 0xFF000000;
};
