#pragma once
// List boxes ("LISTBOX").

#include "COwnerDrawnItemsCtrl.h"

class CListBox : public COwnerDrawnItemsCtrl
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Index of the new string; LB_ERR / LB_ERRSPACE on failure.
    int AddString(LPCTSTR lpszItem) { return Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)); }
    int InsertString(int nIndex, LPCTSTR lpszItem)
    {
        return Send(LB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszItem));
    }
    int DeleteString(UINT nIndex) { return Send(LB_DELETESTRING, nIndex); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return Send(LB_GETCOUNT); }
    int GetCurSel() const { return Send(LB_GETCURSEL); }
    int SetCurSel(int nSelect) { return Send(LB_SETCURSEL, static_cast<WPARAM>(nSelect)); }
    int GetText(int nIndex, LPTSTR lpszBuffer) const
    {
        return Send(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszBuffer));
    }
    // Empty text for an index out of range.
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return Send(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex)); }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return Send(LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData));
    }
    int FindString(int nStartAfter, LPCTSTR lpszItem) const
    {
        return Send(LB_FINDSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszItem));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), reinterpret_cast<LPARAM>(lpszFind));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszItem)
    {
        return Send(LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszItem));
    }
    // Multiple-selection list boxes.
    int GetSel(int nIndex) const { return Send(LB_GETSEL, static_cast<WPARAM>(nIndex)); }
    int SetSel(int nIndex, BOOL bSelect = TRUE) { return Send(LB_SETSEL, static_cast<WPARAM>(bSelect), nIndex); }
    int GetSelCount() const { return Send(LB_GETSELCOUNT); }
    int GetSelItems(int nMaxItems, LPINT rgIndex) const
    {
        return Send(LB_GETSELITEMS, static_cast<WPARAM>(nMaxItems), reinterpret_cast<LPARAM>(rgIndex));
    }
    int GetTopIndex() const { return Send(LB_GETTOPINDEX); }
    int SetTopIndex(int nIndex) { return Send(LB_SETTOPINDEX, static_cast<WPARAM>(nIndex)); }
    int GetItemHeight(int nIndex) const { return Send(LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex)); }
    int SetItemHeight(int nIndex, UINT cyItemHeight) { return Send(LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), cyItemHeight); }
    int GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return Send(LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
    }
};
