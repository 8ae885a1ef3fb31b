#pragma once
// Tab host: one page window per tab, the selected one shown in the page area
// under a row of tab headers. Items whose headers are hidden take no header
// room, so with every header hidden the page fills the window.
#include "CXTPTabManagerItem.h"

#include <memory>
#include <vector>

class CXTTabWindow : public CWnd {
public:
    static constexpr int kHeaderHeight = 24;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Inserts at nIndex (out of range: appends); the page is hidden at once.
    // Inserting at index 0 selects item 0; items added behind it select nothing.
    CXTPTabManagerItem* InsertItem(int nIndex, LPCTSTR lpszCaption, HWND hWndPage, int nImage);
    // Shows the item's page and sends TCN_SELCHANGE to the owner (or parent).
    void SetCurSel(int nIndex);
    int GetCurSel() const { return m_pSelected != nullptr ? m_pSelected->GetIndex() : -1; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CXTPTabManagerItem* GetItem(int nIndex) const;
    CXTPTabManagerItem* GetSelectedItem() const { return m_pSelected; }
    // Recomputes the header row and moves the shown page into the page area.
    void Reposition();
    CRect GetHeaderRect() const;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CRect> HeaderRects() const;

    std::vector<std::unique_ptr<CXTPTabManagerItem>> m_items;
    CXTPTabManagerItem* m_pSelected = nullptr;
    HWND m_hWndShown = nullptr;
};
