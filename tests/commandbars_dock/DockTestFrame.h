#pragma once
// A frame with command bars and its four dock bars, and a toolbar of known
// sizes: docked it is m_size long (across the row: m_size.cy thick) unless
// it may hide controls, when it shrinks down to m_nMinLength; stretched it
// takes the whole length.
#include "Framework.h"
#include "CXTPCommandBars.h"
#include "CXTPDockBar.h"
#include "CXTPToolBar.h"

#include <ostream>
#include <string>

class SizedBar : public CXTPToolBar {
    DECLARE_DYNCREATE(SizedBar)
public:
    CSize m_size{100, 26};
    int m_nMinLength = 0;
    CPoint m_ptPrintOrigin{-1, -1};   // the DC's viewport origin at the last WM_PRINT
    BOOL m_bFreeSize = FALSE;         // resized freely, as a dialog bar is

    BOOL IsDialogBar() const override { return m_bFreeSize; }

    CSize CalcDynamicLayout(int nLength, DWORD dwMode, int nWidth = 0) override;
    CSize CalcDockingLayout(int nLength, DWORD dwMode) override;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class DockTestFrame : public CFrameWnd {
public:
    // A popup frame at (0, 0) whose client area is cx x cy, with docking on.
    // Its client edge puts the client origin a little off the screen's.
    static DockTestFrame* Make(int cx, int cy);
    ~DockTestFrame() override;

    CXTPCommandBars* m_pCommandBars = nullptr;

    // A visible bar docked into a new last row of dock bar nPosition (4: floating).
    SizedBar* AddBar(const wchar_t* pszTitle, int nPosition, CSize size = CSize(100, 26), int nMinLength = 0);
    // Docks the bar by a drop whose rectangle starts at nAlong along the dock
    // bar and is centred at nAcross across it (client coordinates), and lays
    // the frame out.
    void DropAt(CXTPToolBar* pBar, int nPosition, int nAlong, int nAcross);
    CXTPDockBar* Dock(int nPosition) const { return m_pCommandBars->GetDockBar(nPosition); }
    // The bar's rectangle in its dock bar's client coordinates.
    static CRect RectInDock(CXTPToolBar* pBar);
    // The dock bar's rows by bar titles, e.g. "|A B|C|".
    static std::string Rows(CXTPDockBar* pDockBar);

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// Rectangles as gtest prints them.
inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

// Destroys the frame at the end of a scope.
struct FrameCloser {
    DockTestFrame* pFrame;
    ~FrameCloser()
    {
        if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
            pFrame->DestroyWindow();
    }
};
