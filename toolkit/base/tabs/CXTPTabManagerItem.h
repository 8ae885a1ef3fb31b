#pragma once
// One tab of a tab manager: caption, tooltip, image, colour, the page window it
// stands for and its place in the header. Reference counted: the manager holds
// one reference and releases it with InternalRelease.
#include "Framework.h"
#include "CCmdTarget.h"

class CXTPTabManager;

class CXTPTabManagerItem : public CCmdTarget {
public:
    CXTPTabManagerItem() = default;

    // A changed caption repositions the owning manager.
    void SetCaption(LPCTSTR lpszCaption);
    // The stored caption.
    const CString& ReadCaption() const { return m_strCaption; }
    // The caption as the manager shows it (a host may supply another text).
    CString GetManagerText() const;

    // Shows or hides the tab; a change repositions the owning manager.
    void SetIntProperty(BOOL bVisible);
    BOOL IsVisible() const { return m_bVisible; }
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }

    void AttachPageWindow(HWND hWnd) { m_hWnd = hWnd; }
    HWND GetHandle() const { return m_hWnd; }

    const CString& GetToolTip() const { return m_strToolTip; }
    void SetToolTip(LPCTSTR lpszToolTip) { m_strToolTip = lpszToolTip; }
    int GetImageIndex() const { return m_nImage; }
    void SetImageIndex(int nImage) { m_nImage = nImage; }
    DWORD_PTR GetData() const { return m_dwData; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }

    // The stored colour: a COLORREF, or an automatic colour id 0x1000000 + n.
    COLORREF GetColor() const { return m_clrItem; }
    void SetColor(COLORREF clr) { m_clrItem = clr; }
    // The colour to paint with, automatic ids turned into palette colours.
    COLORREF ResolveItemColor() const;

    // Position in the manager, -1 until inserted.
    int GetIndex() const { return m_nIndex; }
    CXTPTabManager* GetTabManager() const { return m_pManager; }
    BOOL IsSelected() const;
    BOOL IsHighlighted() const;

    // Geometry written by the layout of the paint manager.
    const CRect& GetRect() const { return m_rcItem; }
    void SetRect(const CRect& rc) { m_rcItem = rc; }
    int GetLength() const { return m_nLength; }
    void SetLength(int nLength) { m_nLength = nLength; }
    int GetWantedLength() const { return m_nWantedLength; }
    void SetWantedLength(int nLength) { m_nWantedLength = nLength; }
    int GetRow() const { return m_nRow; }
    void SetRow(int nRow) { m_nRow = nRow; }

    // Set, the line joining the selected tab to the client area is left out.
    BOOL IsJoinSuppressed() const { return m_bJoinSuppressed; }
    void SetJoinSuppressed(BOOL bSuppressed) { m_bJoinSuppressed = bSuppressed; }
    // Whether the close button may close this tab.
    BOOL IsClosable() const { return m_bClosable; }
    void SetClosable(BOOL bClosable) { m_bClosable = bClosable; }

private:
    friend class CXTPTabManager;

    int m_nLength = 0;
    int m_nWantedLength = 0;
    int m_nImage = -1;
    int m_nIndex = -1;
    BOOL m_bEnabled = TRUE;
    BOOL m_bVisible = TRUE;
    HWND m_hWnd = nullptr;
    DWORD_PTR m_dwData = 0;
    int m_nRow = 0;
    CRect m_rcItem{0, 0, 0, 0};
    CString m_strCaption;
    CString m_strToolTip;
    COLORREF m_clrItem = 0;
    CXTPTabManager* m_pManager = nullptr;
    BOOL m_bJoinSuppressed = FALSE;
    BOOL m_bClosable = TRUE;
};
