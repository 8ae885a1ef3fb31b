#pragma once
#include "Framework.h"
#include "IFolderTree.h"

// The tree tells step 2 that a folder was clicked: wParam points to the folder's
// path, NUL-terminated, valid for the duration of the send.
constexpr UINT WM_FOLDER_CLICKED = WM_USER + 102;

// The check-box tree of step 2: one root "NSF File", the folders of the current
// database under it. It paints the Notes system folders under readable names and
// folders that hold entries in bold. It belongs to the user-interface thread; the
// operations the database scan calls from its worker run there.
class FolderTreeCtrl : public CTreeCtrl, public IFolderTree {
public:
    static constexpr wchar_t RootText[] = L"NSF File";

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // IFolderTree, callable from any thread.
    HWND GetTreeWindow() const override { return m_hWnd; }
    HTREEITEM InsertPath(const CString& path, int image, int itemData) override;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data) override;
    BOOL Expand(HTREEITEM item, UINT code) override;
    BOOL SetCheck(HTREEITEM item, BOOL check = TRUE) override;

    // The path of an item without the leading "NSF File\"; empty for the root.
    CString GetItemPath(HTREEITEM item) const;
    // Appends the path of every checked item, depth-first, each before its children.
    void CollectCheckedPaths(CStringArray& paths) const;
    // The label painted for an item text.
    static CString DisplayName(const CString& text);

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    HTREEITEM InsertOrFindPart(const CString& text, HTREEITEM parent, int image, int itemData);
    void SetSubtreeCheck(HTREEITEM item, BOOL check);
    void CollectFrom(HTREEITEM item, CStringArray& paths) const;
};
