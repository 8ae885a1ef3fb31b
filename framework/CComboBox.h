#pragma once
// Combo boxes ("COMBOBOX").

#include "COwnerDrawnItemsCtrl.h"

class CComboBox : public COwnerDrawnItemsCtrl
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Index of the new string; CB_ERR / CB_ERRSPACE on failure.
    int AddString(LPCTSTR lpszString) { return Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)); }
    int InsertString(int nIndex, LPCTSTR lpszString)
    {
        return Send(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszString));
    }
    int DeleteString(UINT nIndex) { return Send(CB_DELETESTRING, nIndex); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return Send(CB_GETCOUNT); }
    int GetCurSel() const { return Send(CB_GETCURSEL); }
    int SetCurSel(int nSelect) { return Send(CB_SETCURSEL, static_cast<WPARAM>(nSelect)); }
    int GetLBText(int nIndex, LPTSTR lpszText) const
    {
        return Send(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText));
    }
    // Empty text for an index out of range.
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)); }
    DWORD_PTR GetItemData(int nIndex) const
    {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
    }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return Send(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData));
    }
    int FindString(int nStartAfter, LPCTSTR lpszString) const
    {
        return Send(CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszString));
    }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), reinterpret_cast<LPARAM>(lpszFind));
    }
    int SelectString(int nStartAfter, LPCTSTR lpszString)
    {
        return Send(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), reinterpret_cast<LPARAM>(lpszString));
    }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(bShowIt)); }
    BOOL GetDroppedState() const { return Send(CB_GETDROPPEDSTATE); }
    int SetDroppedWidth(UINT nWidth) { return Send(CB_SETDROPPEDWIDTH, nWidth); }
    BOOL LimitText(int nMaxChars) { return Send(CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars)); }
    DWORD GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
    BOOL SetEditSel(int nStartChar, int nEndChar) { return Send(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar)); }
    int GetItemHeight(int nIndex) const { return Send(CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex)); }
    int SetItemHeight(int nIndex, UINT cyItemHeight) { return Send(CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), cyItemHeight); }
};
