#pragma once
#include <windows.h>
#include <commctrl.h>

#include "CString.h"

// What the database scan asks of step 2's folder tree: insert a folder path and
// mark the folder's node. The wizard's folder tree control implements it.
class IFolderTree {
public:
    virtual ~IFolderTree() = default;
    virtual HWND GetTreeWindow() const = 0;
    // Inserts the backslash-ended parts of the path; answers the node of the last part.
    virtual HTREEITEM InsertPath(const CString& path, int image, int itemData) = 0;
    virtual BOOL SetItemData(HTREEITEM item, DWORD_PTR data) = 0;
    virtual BOOL Expand(HTREEITEM item, UINT code) = 0;
    virtual BOOL SetCheck(HTREEITEM item, BOOL check = TRUE) = 0;
};
