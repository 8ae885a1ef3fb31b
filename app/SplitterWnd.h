#pragma once
#include "Framework.h"

// A light splitter: takes two existing windows as panes, places them side by
// side (vertical bar) or one above the other (horizontal bar), lets the user
// drag the bar with an inverted tracking line, and writes the bar position into
// the application profile when it goes; every start places the bar anew.
class SplitterWnd : public CStatic {
public:
    // Style bits of Create that choose the mode; they are not window styles.
    static constexpr DWORD SideBySide = 0x1;
    static constexpr DWORD Stacked = 0x2;
    static constexpr int BarWidth = 5;
    static constexpr int DefaultPaneSize = 200;

    SplitterWnd();

    BOOL Create(DWORD dwStyle, CWnd* pParentWnd, CWnd* pFirst, CWnd* pSecond, UINT nID, const RECT& rect,
                int nFirstMinimum, int nSecondMinimum);

    // Stacked mode: the bottom pane comes back with its last height, or goes and
    // leaves the whole area to the top pane.
    void ShowSecondPane();
    void HideSecondPane();
    bool IsSecondPaneHidden() const { return m_bBottomHidden; }

    // The kept sizes: the left pane's width and the bottom pane's height.
    int GetLeftWidth() const { return m_nLeftWidth; }
    int GetBottomHeight() const { return m_nBottomHeight; }

    // Profile sections, "splt\init_v" or "splt\init_h" followed by the id.
    static CString VerticalSection(UINT nID);
    static CString HorizontalSection(UINT nID);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void PlaceVerticalBar(int x);
    void PlaceHorizontalBar(int y);
    int ClampX(int x) const;
    int ClampY(int y) const;
    // Draws (or, drawn twice, erases) the tracking line at the splitter-client position.
    void InvertTrackingLine(int at);
    void EndTracking(bool bPlace, CPoint point);

    UINT m_nID = 0;
    CWnd* m_pFirst = nullptr;    // left or top pane
    CWnd* m_pSecond = nullptr;   // right or bottom pane
    int m_nFirstMinimum = 0;
    int m_nSecondMinimum = 0;
    bool m_bVertical = false;
    bool m_bHorizontal = false;
    int m_nLeftWidth = DefaultPaneSize;
    int m_nBottomHeight = DefaultPaneSize;
    CRect m_rcFirst;
    CRect m_rcSecond;
    CRect m_rcBar;               // hit area: bar position plus and minus the bar width
    bool m_bTracking = false;
    int m_nTrackAt = 0;          // where the tracking line is drawn
    bool m_bBottomHidden = false;
    HWND m_hOldFocus = nullptr;
    CBrush m_barBrush;
};
