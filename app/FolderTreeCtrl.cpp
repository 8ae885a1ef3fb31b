#include "FolderTreeCtrl.h"

#include "CPstWriter.h"

BEGIN_MESSAGE_MAP(FolderTreeCtrl, CTreeCtrl)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL FolderTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // Created with check boxes, the tree sets them up at its first paint and
    // unticks every item inserted before; added afterwards, they are set up at once.
    if (!CTreeCtrl::Create(dwStyle & ~TVS_CHECKBOXES, rect, pParentWnd, nID))
        return FALSE;
    if (dwStyle & TVS_CHECKBOXES)
        ModifyStyle(0, TVS_CHECKBOXES);
    return TRUE;
}

HTREEITEM FolderTreeCtrl::InsertPath(const CString& path, int image, int itemData)
{
    HTREEITEM last = TVI_ROOT;
    RunOnUiThread([&] {
        const CString full = CString(RootText) + L"\\" + path;
        int start = 0;
        for (int end = full.Find(L'\\'); end >= 0; end = full.Find(L'\\', start)) {
            last = InsertOrFindPart(full.Mid(start, end - start), last, image, itemData);
            start = end + 1;
        }
    });
    return last;
}

HTREEITEM FolderTreeCtrl::InsertOrFindPart(const CString& text, HTREEITEM parent, int image, int itemData)
{
    for (HTREEITEM child = GetChildItem(parent); child != nullptr; child = GetNextSiblingItem(child))
        if (GetItemText(child) == text)
            return child;
    if (text == RootText)
        image = itemData = 0;
    HTREEITEM item = CTreeCtrl::InsertItem(text, image, image, parent, TVI_LAST);
    if (item == nullptr)
        return parent;
    CTreeCtrl::SetItemData(item, static_cast<DWORD_PTR>(itemData));
    CTreeCtrl::SetCheck(item, TRUE);
    if (parent != TVI_ROOT)
        CTreeCtrl::SetCheck(parent, TRUE);
    CTreeCtrl::Expand(GetRootItem(), TVE_EXPAND);
    return item;
}

BOOL FolderTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    BOOL result = FALSE;
    RunOnUiThread([&] { result = CTreeCtrl::SetItemData(item, data); });
    return result;
}

BOOL FolderTreeCtrl::Expand(HTREEITEM item, UINT code)
{
    BOOL result = FALSE;
    RunOnUiThread([&] { result = CTreeCtrl::Expand(item, code); });
    return result;
}

BOOL FolderTreeCtrl::SetCheck(HTREEITEM item, BOOL check)
{
    BOOL result = FALSE;
    RunOnUiThread([&] { result = CTreeCtrl::SetCheck(item, check); });
    return result;
}

CString FolderTreeCtrl::GetItemPath(HTREEITEM item) const
{
    CString path;
    for (HTREEITEM at = item; at != nullptr && at != TVI_ROOT; at = GetParentItem(at))
        path = GetItemText(at) + L"\\" + path;
    // Only the root's own part goes; a folder may carry the same words.
    const CString rootPart = CString(RootText) + L"\\";
    if (path.Left(rootPart.GetLength()) == rootPart)
        path = path.Mid(rootPart.GetLength());
    return path;
}

void FolderTreeCtrl::CollectFrom(HTREEITEM item, CStringArray& paths) const
{
    for (; item != nullptr; item = GetNextSiblingItem(item)) {
        if (GetCheck(item))
            paths.Add(GetItemPath(item));
        CollectFrom(GetChildItem(item), paths);
    }
}

void FolderTreeCtrl::CollectCheckedPaths(CStringArray& paths) const
{
    CollectFrom(GetRootItem(), paths);
}

CString FolderTreeCtrl::DisplayName(const CString& text)
{
    return CPstWriter::PstFolderDisplayName(text);
}

void FolderTreeCtrl::SetSubtreeCheck(HTREEITEM item, BOOL check)
{
    for (HTREEITEM child = GetChildItem(item); child != nullptr; child = GetNextSiblingItem(child)) {
        CTreeCtrl::SetCheck(child, check);
        SetSubtreeCheck(child, check);
    }
}

void FolderTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    UINT flags = 0;
    HTREEITEM item = HitTest(point, &flags);
    if (item != nullptr && (flags & TVHT_ONITEMLABEL)) {
        CTreeCtrl::Select(item, TVGN_CARET);
        const CString path = GetItemPath(item);
        CWnd* pParent = GetParent();
        CWnd* pStep = pParent != nullptr ? pParent->GetParent() : nullptr;
        if (!path.IsEmpty() && pStep != nullptr)
            pStep->SendMessage(WM_FOLDER_CLICKED, reinterpret_cast<WPARAM>(path.GetString()), 0);
    } else if (item != nullptr && (flags & TVHT_ONITEMSTATEICON)) {
        SetSubtreeCheck(item, !GetCheck(item));
    }
    Default();
}

void FolderTreeCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CRect clip;
    dc.GetClipBox(&clip);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    CRgn clipRegion;
    clipRegion.CreateRectRgnIndirect(&clip);
    memDC.SelectClipRgn(&clipRegion);
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);

    LOGFONTW logFont{};
    if (CFont* pTreeFont = GetFont())
        pTreeFont->GetLogFont(&logFont);
    else
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    HTREEITEM item = GetFirstVisibleItem();
    for (UINT n = GetVisibleCount() + 1; item != nullptr && n > 0; item = GetNextVisibleItem(item), --n) {
        const UINT state = GetItemState(item, TVIS_DROPHILITED | TVIS_SELECTED);
        if (state & TVIS_DROPHILITED)
            continue;
        logFont.lfWeight = GetItemData(item) != 0 ? FW_BOLD : FW_NORMAL;
        CFont font;
        font.CreateFontIndirect(&logFont);
        CFont* pOldFont = memDC.SelectObject(&font);
        memDC.SetTextColor(0x000000);
        CRect label;
        GetItemRect(item, &label, TRUE);
        memDC.FillSolidRect(&label, 0xFFFFFF);
        memDC.SetBkColor(0xFFFFFF);
        if (state & TVIS_SELECTED) {
            memDC.SetBkColor(0xFF0000);
            memDC.SetTextColor(0xFFFFFF);
        }
        memDC.TextOut(label.left + 2, label.top + 1, DisplayName(GetItemText(item)));
        memDC.SelectObject(pOldFont);
    }
    dc.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memDC, clip.left, clip.top, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
}
