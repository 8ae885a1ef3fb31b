#pragma once
// A child window showing a tab header and, under it, one page window per tab:
// selecting a tab hides the previous page and shows the new one in the page
// area. Host of a tab manager with its own paint manager, image manager, drop
// target and tooltip context.
#include <memory>

#include "CWnd.h"
#include "CXTPTabManager.h"

class CXTPImageManager;
class CXTPToolTipContext;
class CXTTabDropTarget;

class CXTTabWindow : public CWnd, public CXTPTabManager {
public:
    CXTTabWindow();
    ~CXTTabWindow() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Inserts a tab for the page (hidden at once); inserting at index 0
    // selects item 0.
    CXTPTabManagerItem* InsertItem(int nIndex, LPCTSTR lpszCaption, HWND hWndPage, int nImage);
    using CXTPTabManager::InsertItem;

    // Deletes the previous paint manager and installs this one.
    void ReplacePaintManager(CXTPTabPaintManager* pPaintManager);
    CXTPImageManager* GetImageManager() const { return m_pImageManager; }
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
    HWND GetShownPage() const { return m_hWndShown; }

    // Tab manager operations supplied by the window.
    void Reposition() override;
    void SetSelectedItem(CXTPTabManagerItem* pItem) override;
    void OnKeyboardSelect(CXTPTabManagerItem* pItem) override;
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void SetPaintManager(CXTPTabPaintManager* pPaintManager) override;
    void RedrawControl() override;
    BOOL DrawIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
    void SelectItem(CXTPTabManagerItem* pItem) override;
    void OnNavigateButtonClick(UINT nID) override;
    BOOL HasFocusCue() const override;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    HWND GetManagerWindow() const override { return m_hWnd; }
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

private:
    // Whether the parent hides focus cues.
    BOOL ParentHidesFocusCues() const;

    HWND m_hWndShown = nullptr;
    CXTPTabPaintManager* m_pPaintManager = nullptr;
    CXTPImageManager* m_pImageManager = nullptr;
    std::unique_ptr<CXTTabDropTarget> m_pDropTarget;
    CXTPToolTipContext* m_pToolTipContext = nullptr;
};
