#pragma once
// The window-independent core of a tab header: the ordered tabs, the selected
// and the hot tab, the scroll offset of a header too short for its tabs, the
// navigate buttons, hit testing, key navigation, hot tracking, drag
// reordering and tooltips. A host derives from it and supplies the window,
// the paint manager and the repositioning.
#include <memory>
#include <vector>

#include "Framework.h"
#include "CDC.h"
#include "CXTPTabManagerItem.h"
#include "CXTPTabNavigateButton.h"
#include "CXTPTabRowTable.h"
#include "CXTPWinThemeWrapper.h"
#include "CXTPTabPaintManager.h"

class CXTPTabManager {
public:
    static constexpr int kScrollStep = 20;

    CXTPTabManager();
    virtual ~CXTPTabManager();
    CXTPTabManager(const CXTPTabManager&) = delete;
    CXTPTabManager& operator=(const CXTPTabManager&) = delete;

    // Host operations (the base's behaviour in the comments).
    virtual void RequestReposition();                     // Reposition
    virtual void Reposition() = 0;                        // lay out the header and redraw
    virtual CString GetItemCaption(const CXTPTabManagerItem* pItem) const;   // its caption
    virtual DWORD_PTR GetItemData(const CXTPTabManagerItem* pItem) const;    // its data
    virtual COLORREF GetItemColor(const CXTPTabManagerItem* pItem) const;    // palette for automatic ids
    virtual CString GetItemTooltip(const CXTPTabManagerItem* pItem) const;   // its tooltip
    virtual void OnItemsChanged();                        // renumber, Reposition
    virtual void SetSelectedItem(CXTPTabManagerItem* pItem);   // store, Reposition, scroll into view
    virtual void OnKeyboardSelect(CXTPTabManagerItem* pItem);  // SelectItem
    virtual void GetItemMetrics(CSize* pszNormal, CSize* pszMin = nullptr, CSize* pszMax = nullptr) const;
    virtual CXTPTabPaintManager* GetPaintManager() const = 0;
    virtual void SetPaintManager(CXTPTabPaintManager* pPaintManager);   // nothing
    virtual void RedrawControl() = 0;
    virtual BOOL IsAllowReorder() const { return m_bAllowReorder; }
    virtual void SetAllowReorder(BOOL bAllowReorder) { m_bAllowReorder = bAllowReorder; }
    // Whether the control wants an outer frame (read by the appearance sets).
    virtual BOOL IsDrawStaticFrame() const { return FALSE; }
    // The icon of an item at szIcon, drawn at pt when bDraw; without an item,
    // whether icons show at all. Answers whether there is an icon.
    virtual BOOL DrawIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const = 0;
    virtual XTPTabPosition GetPosition() const;           // the paint manager's position option
    virtual void OnScroll(BOOL bForward);                 // one scroll step
    virtual BOOL IsNavigateButtonVisible(const CXTPTabNavigateButton* pButton) const;
    virtual void SelectItem(CXTPTabManagerItem* pItem);   // SetSelectedItem
    virtual void TrackDragReorder(HWND hWnd, CPoint pt, CXTPTabManagerItem* pItem);
    virtual void OnNavigateButtonClick(UINT nID);         // nothing
    virtual BOOL IsMouseLocked() const { return FALSE; }  // hot tracking suppressed
    virtual BOOL PerformKeyDown(HWND hWnd, UINT nChar);   // key navigation
    virtual BOOL HasFocusCue() const { return FALSE; }

    // Items.
    CXTPTabManagerItem* InsertItem(int nIndex, CXTPTabManagerItem* pItem = nullptr);
    BOOL RemoveItemAt(int nIndex);
    void SetCurSel(int nIndex);
    int CountItems() const { return static_cast<int>(m_arrItems.size()); }
    CXTPTabManagerItem* ItemAtIndex(int nIndex) const;
    CXTPTabManagerItem* CurrentSelection() const { return m_pSelected; }
    CXTPTabManagerItem* GetHighlighted() const { return m_pHighlighted; }
    // The first visible, enabled item stepping by nStep (+1 or -1) from nIndex.
    CXTPTabManagerItem* StepToUsableItem(int nIndex, int nStep) const;

    // Header.
    void SetPaintOption(XTPTabPosition position);
    XTPTabLayoutStyle GetLayout() const;
    BOOL IsHorizontalPosition() const { return !CXTPTabAppearanceSet::IsVertical(GetPosition()); }
    int GetScrollOffset() const { return m_nScrollOffset; }
    void ScrollHeaderTo(int nOffset);
    int SumItemLengths() const;
    BOOL IsActive() const { return m_bActive; }
    void SetActive(BOOL bActive) { m_bActive = bActive; }
    void SetItemMetrics(CSize szNormal, CSize szMin = CSize(0, 0), CSize szMax = CSize(0, 0));

    const CRect& GetControlRect() const { return m_rcControl; }
    void SetControlRect(const CRect& rc) { m_rcControl = rc; }
    const CRect& GetHeaderRect() const { return m_rcHeader; }
    void SetHeaderRect(const CRect& rc) { m_rcHeader = rc; }
    const CRect& GetTabClientRect() const { return m_rcClient; }
    void SetTabClientRect(const CRect& rc) { m_rcClient = rc; }
    CXTPTabRowTable& GetRows() { return m_rows; }
    const CXTPTabRowTable& GetRows() const { return m_rows; }

    // Navigate buttons, in the order scroll back, scroll forward, close.
    int CountNavigateButtons() const { return static_cast<int>(m_arrNavigateButtons.size()); }
    CXTPTabNavigateButton* GetNavigateButton(int nIndex) const;
    CXTPTabNavigateButton* FindNavigateButton(UINT nID) const;
    // Places the shown buttons at the far end of the header, which shrinks.
    void AdjustNavigateButtons(CRect& rcHeader);
    void DrawNavigateButtons(CDC* pDC);

    // Mouse and tooltips.
    CXTPTabManagerItem* ItemFromPoint(CPoint pt) const;
    BOOL PerformClick(HWND hWnd, CPoint pt, BOOL bNavigateButtonsOnly = FALSE);
    void PerformMouseMove(HWND hWnd, CPoint pt);
    INT_PTR FillItemTipInfo(CPoint pt, TOOLINFO* pTI) const;

    // Asks for WM_MOUSELEAVE when the mouse leaves the window.
    static void TrackMouseLeave(HWND hWnd);

protected:
    // The window a host draws in; the base uses it for tooltips and the
    // tracking loops.
    virtual HWND GetManagerWindow() const { return nullptr; }

private:
    CXTPTabManagerItem* m_pSelected = nullptr;
    CXTPTabManagerItem* m_pHighlighted = nullptr;
    int m_nScrollOffset = 0;
    BOOL m_bAllowReorder = TRUE;
    BOOL m_bActive = TRUE;
    CSize m_szItem{70, 18};
    CSize m_szItemMin{0, 0};
    CSize m_szItemMax{0, 0};
    CRect m_rcControl{0, 0, 0, 0};
    CRect m_rcHeader{0, 0, 0, 0};
    CRect m_rcClient{0, 0, 0, 0};
    std::vector<CXTPTabManagerItem*> m_arrItems;
    std::vector<std::unique_ptr<CXTPTabNavigateButton>> m_arrNavigateButtons;
    CXTPWinThemeWrapper m_themeTab;
    CXTPTabRowTable m_rows;
};
