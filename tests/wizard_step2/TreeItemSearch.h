#pragma once
// Finds a tree item by the texts on its way down, one level each.
#include <vector>

#include "Framework.h"

// Starts among the children of from, or among the top-level items when from is null.
inline HTREEITEM FindTreeItem(CTreeCtrl& tree, HTREEITEM from, const std::vector<CString>& texts)
{
    HTREEITEM at = from;
    for (const CString& text : texts) {
        HTREEITEM child = at == nullptr ? tree.GetRootItem() : tree.GetChildItem(at);
        while (child != nullptr && tree.GetItemText(child) != text)
            child = tree.GetNextSiblingItem(child);
        if (child == nullptr)
            return nullptr;
        at = child;
    }
    return at;
}
