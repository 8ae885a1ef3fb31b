#pragma once
// The command bar that docks into the frame's dock bars or floats in a small
// popup window of its own: it fills itself from a toolbar resource, sizes
// itself for a row or a floating width (with its close and overflow buttons),
// takes part in the frame's layout and is dragged by its drag context. Its
// mouse, layout, floating and tooltip concerns live in the files of the same
// prefix.
#include "CXTPCommandBar.h"

class CXTPBarDragContext;
class CXTPDockBar;

// Command ids of the toolbar's own controls (their tips are string resources).
#define XTP_ID_TOOLBAR_EXPAND 9400
#define XTP_ID_TOOLBAR_HIDE 9401
// The question Reset asks.
#define XTP_IDS_CONFIRM_RESETTOOLBAR 9349

class CXTPToolBar : public CXTPCommandBar {
    DECLARE_DYNCREATE(CXTPToolBar)
public:
    CXTPToolBar();
    ~CXTPToolBar() override;

    // The tooltip hit test of every command bar.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE) override;
    void SetVisible(BOOL bVisible) override;
    BOOL IsVisible() const override { return m_bVisible; }
    // 0-3 docks into that dock bar of the owner, 4 floats.
    BOOL SetPosition(int barPosition) override;
    void OnRecalcLayout() override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    int OnKeyDown(UINT nChar, LPARAM lParam) override;
    // The size of a floating bar (or one laid out as if floating) for a length and mode.
    CSize CalcDockingLayout(int nLength, DWORD dwMode) override;
    void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE) override;
    // The docked size for a row length and mode, with the overflow button;
    // nWidth is the row's thickness.
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode, int nWidth = 0);
    // Asks, then puts back the controls the bar was built with.
    virtual void Reset();
    // Makes the bar a popup window owned by pFrame (floating) or a child
    // window (docking); creates the window first when there is none.
    BOOL SetFloatingMode(BOOL bFloating, CWnd* pFrame) override;

    // 63 for toolbars, 95 for the menu bar; the first call creates the drag context.
    void SetFlags(DWORD dwFlags);
    // 0 off, 1 on, 2 as the option says.
    void SetShowTextBelowIcons(int nMode);
    int GetShowTextBelowIcons() const override;
    CSize GetBarIconSize() const override;

    // Replaces the controls by buttons for the ids (0 begins a group).
    void SetButtons(const UINT* pButtons, int nCount);
    // FALSE when the resource or its images cannot be loaded; the controls
    // made so far stay.
    BOOL LoadToolBarResource(UINT nIDResource, BOOL bLoadIcons);
    void OnSetPreviewMode(BOOL bPreview);
    // From nStart on, the index of the first control with the id and type of
    // pControl; -1 when none.
    static int GetItemIndex(CXTPControls* pControls, CXTPControl* pControl, int nStart);

    CXTPDockBar* GetDockBar() const { return m_pDockBar; }
    void SetDockBar(CXTPDockBar* pDockBar) { m_pDockBar = pDockBar; }
    CXTPBarDragContext* GetDragContext() const { return m_pDragContext; }
    BOOL IsBuiltIn() const { return m_bBuiltIn; }
    void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }
    BOOL IsTearOff() const { return m_bTearOff; }
    void SetTearOff(BOOL bTearOff) { m_bTearOff = bTearOff; }
    BOOL IsCloseable() const { return m_bCloseable; }
    void SetCloseable(BOOL bCloseable) { m_bCloseable = bCloseable; }
    BOOL IsShowExpandButton() const { return m_bShowExpandButton; }
    void ShowExpandButton(BOOL bShow) { m_bShowExpandButton = bShow; }
    BOOL IsFloating() const { return m_barPosition == xtpBarFloating; }

protected:
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // The close (9401) or overflow (9400) control, made on first need.
    CXTPControl* EnsureSpecialControl(int nId);

    CXTPDockBar* m_pDockBar = nullptr;
    CXTPBarDragContext* m_pDragContext = nullptr;
    BOOL m_bBuiltIn = TRUE;
    BOOL m_bTearOff = FALSE;
    BOOL m_bPreviewVisible = FALSE;
    BOOL m_bPreviewMode = FALSE;
    BOOL m_bShowExpandButton = TRUE;
};
