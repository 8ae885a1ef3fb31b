#pragma once
// List views ("SysListView32").

#include "AfxCommonControls.h"
#include "CWnd.h"

class CHeaderCtrl;
class CImageList;

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Columns. nWidth -1 and nSubItem -1 leave those fields unset.
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return Bool(LVM_DELETECOLUMN, static_cast<WPARAM>(nCol)); }
    BOOL SetColumnWidth(int nCol, int cx) { return Bool(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0)); }
    int GetColumnWidth(int nCol) const { return Int(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)); }
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const
    {
        return Bool(LVM_GETCOLUMNW, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pColumn));
    }
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn)
    {
        return Bool(LVM_SETCOLUMNW, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pColumn));
    }
    CHeaderCtrl* GetHeaderCtrl() const;

    // Items. Each InsertItem returns the new item's index, -1 on failure.
    int InsertItem(const LVITEM* pItem) { return Int(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pItem)); }
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem) { return Bool(LVM_DELETEITEM, static_cast<WPARAM>(nItem)); }
    BOOL DeleteAllItems() { return Bool(LVM_DELETEALLITEMS); }
    int GetItemCount() const { return Int(LVM_GETITEMCOUNT); }
    void SetItemCount(int nItems) { SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(nItems)); }
    BOOL GetItem(LVITEM* pItem) const { return Bool(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(pItem)); }
    BOOL SetItem(const LVITEM* pItem) { return Bool(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(pItem)); }

    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    // The whole text, however long; empty for a missing item.
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL SetItemState(int nItem, LVITEM* pItem)
    {
        return Bool(LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pItem));
    }
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
    }
    // Check boxes (LVS_EX_CHECKBOXES): state image 2 is checked.
    BOOL GetCheck(int nItem) const { return ((GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1; }
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE)
    {
        return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
    }

    // Selection and search. nFlags: LVNI_SELECTED, LVNI_FOCUSED, LVNI_ALL ...
    int GetNextItem(int nItem, int nFlags) const { return Int(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    int GetSelectionMark() const { return Int(LVM_GETSELECTIONMARK); }
    int SetSelectionMark(int iIndex) { return Int(LVM_SETSELECTIONMARK, 0, iIndex); }
    // Walks the selected items: null when none is selected.
    POSITION GetFirstSelectedItemPosition() const;
    // The item at pos; pos moves to the next selected item (null after the last).
    int GetNextSelectedItem(POSITION& pos) const;
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const
    {
        return Int(LVM_FINDITEMW, static_cast<WPARAM>(nStart), reinterpret_cast<LPARAM>(pFindInfo));
    }
    int HitTest(LVHITTESTINFO* pHitTestInfo) const { return Int(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)); }
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int SubItemHitTest(LVHITTESTINFO* pInfo) { return Int(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo)); }

    // Look.
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
    }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    // nImageListType: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE; returns the list set before.
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    BOOL SetBkColor(COLORREF cr) { return Bool(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(cr)); }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR)); }
    BOOL SetTextColor(COLORREF cr) { return Bool(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(cr)); }
    COLORREF GetTextColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR)); }
    BOOL SetTextBkColor(COLORREF cr) { return Bool(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(cr)); }
    COLORREF GetTextBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR)); }

    // Scrolling and geometry.
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return Bool(LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), MAKELPARAM(bPartialOK, 0));
    }
    int GetTopIndex() const { return Int(LVM_GETTOPINDEX); }
    int GetCountPerPage() const { return Int(LVM_GETCOUNTPERPAGE); }
    // nCode: LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    BOOL Scroll(CSize size) { return Bool(LVM_SCROLL, static_cast<WPARAM>(size.cx), size.cy); }
    BOOL RedrawItems(int nFirst, int nLast) { return Bool(LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), nLast); }
    BOOL Update(int nItem) { return Bool(LVM_UPDATE, static_cast<WPARAM>(nItem)); }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return Bool(LVM_SORTITEMS, static_cast<WPARAM>(dwData), reinterpret_cast<LPARAM>(pfnCompare));
    }

    // Owner-drawn list views (LVS_OWNERDRAWFIXED) paint here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    int Int(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessage(message, wParam, lParam));
    }
    BOOL Bool(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessage(message, wParam, lParam) != 0;
    }
};
