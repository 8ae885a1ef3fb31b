// CGridCtrl: clipboard, drag source and drop target, and the grid's side of cell editing.
#include "CGridCtrl.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// A movable global block with a copy of the bytes; null when none can be had.
HGLOBAL GlobalCopy(const void* bytes, size_t size)
{
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (!memory)
        return nullptr;
    if (void* to = ::GlobalLock(memory)) {
        std::memcpy(to, bytes, size);
        ::GlobalUnlock(memory);
        return memory;
    }
    ::GlobalFree(memory);
    return nullptr;
}

bool OffersText(COleDataObject* data)
{
    return data && (data->IsDataAvailable(CF_UNICODETEXT) || data->IsDataAvailable(CF_TEXT));
}

// The text the data offers, from its Unicode form when it has one (the ANSI
// form loses what the code page lacks), up to the 0 and never past the block.
bool ReadOfferedText(COleDataObject* data, CString& text)
{
    const CLIPFORMAT format = data->IsDataAvailable(CF_UNICODETEXT) ? CF_UNICODETEXT : CF_TEXT;
    HGLOBAL memory = data->GetGlobalData(format);
    if (!memory)
        return false;
    const SIZE_T size = ::GlobalSize(memory);
    if (const void* bytes = ::GlobalLock(memory)) {
        if (format == CF_UNICODETEXT) {
            const auto* chars = static_cast<const wchar_t*>(bytes);
            text = CString(chars, static_cast<int>(wcsnlen(chars, size / sizeof(wchar_t))));
        } else {
            const auto* chars = static_cast<const char*>(bytes);
            text = CString(chars, static_cast<int>(strnlen(chars, size)));
        }
        ::GlobalUnlock(memory);
    }
    ::GlobalFree(memory);
    return true;
}

} // namespace

bool CGridCtrl::SelectionText(std::wstring& text)
{
    const CGridCellBlock block = SelectionBounds();
    if (!IsInsideGrid(block))
        return false;
    if (m_bVirtualMode)
        AnnounceCellBlock(block);
    // Separators go between the rows and columns that are shown, so hidden
    // ones leave no trace at either end.
    text.clear();
    bool firstRow = true;
    for (int r = block.minRow; r <= block.maxRow; ++r) {
        if (m_arRowHeights[r] == 0)
            continue;
        if (!firstRow)
            text += L"\r\n";
        firstRow = false;
        bool firstCol = true;
        for (int c = block.minCol; c <= block.maxCol; ++c) {
            if (m_arColWidths[c] == 0)
                continue;
            if (!firstCol)
                text += L'\t';
            firstCol = false;
            const CGridCellBase* cell = CellAt(r, c);
            if (cell && (cell->StateBits() & GVIS_SELECTED))
                text += cell->CellText();
        }
    }
    if (m_bVirtualMode)
        AnnounceCellBlock(CGridCellBlock());
    return true;
}

COleDataSource* CGridCtrl::MakeSelectionDataSource()
{
    std::wstring text;
    if (!SelectionText(text))
        return nullptr;
    // Unicode first, the form readers should prefer; ANSI beside it for the
    // readers that take nothing else.
    const CStringA ansi(text.c_str(), static_cast<int>(text.size()));
    HGLOBAL unicode = GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    HGLOBAL bytes = GlobalCopy(ansi.GetString(), static_cast<size_t>(ansi.GetLength()) + 1);
    if (!unicode || !bytes) {
        ::GlobalFree(unicode);
        ::GlobalFree(bytes);
        return nullptr;
    }
    auto* source = new COleDataSource;
    source->CacheGlobalData(CF_UNICODETEXT, unicode);
    source->CacheGlobalData(CF_TEXT, bytes);
    return source;
}

void CGridCtrl::EmptySelectedCells()
{
    if (!m_bEditable)
        return;
    std::vector<CGridCellAddress> cells;
    cells.reserve(static_cast<size_t>(m_SelectedCellMap.GetCount()));
    for (POSITION pos = m_SelectedCellMap.GetStartPosition(); pos;) {
        ULONGLONG key;
        CGridCellAddress cell;
        m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        cells.push_back(cell);
    }
    for (const CGridCellAddress& cell : cells)
        StoreTextAsEdit(cell.row, cell.col, L"");
}

BOOL CGridCtrl::AcceptEditedText(int row, int col, LPCTSTR text)
{
    if (!IsInsideGrid(row, col))
        return TRUE;
    CGridCellBase* cell = CellAt(row, col);
    return cell ? cell->AcceptEditedText(text) : TRUE;
}

// Stores the text when it differs and the cell and the owner accept it. The
// text is in the cell while they decide, so the owner can read it there, and
// the end-edit notice carries it, so the owner of a virtual grid, which keeps
// no text, can store it. A refused text leaves the cell's text, the modified
// marks and the sort column as they were. True when the cell holds the text.
bool CGridCtrl::CommitEditedText(int row, int col, LPCTSTR text)
{
    const CString old = CellTextAt(row, col);
    if (old == (text ? text : L""))
        return true;
    const UINT oldState = CellStateAt(row, col);
    const BOOL gridWasModified = m_bModified;
    const int sortColumn = m_nSortColumn;
    ChangeCellText(row, col, text);
    if (AcceptEditedText(row, col, text) && NotifyEditEnd(row, col, text) >= 0) {
        MarkModified(TRUE, row, col);
        RepaintCellNow(row, col);
        return true;
    }
    ChangeCellText(row, col, old);
    if (CGridCellBase* cell = m_bVirtualMode ? nullptr : StoredCell(row, col))
        cell->StoreState((cell->StateBits() & ~GVIS_MODIFIED) | (oldState & GVIS_MODIFIED));
    m_bModified = gridWasModified;
    m_nSortColumn = sortColumn;
    return false;
}

BOOL CGridCtrl::StoreTextAsEdit(int row, int col, LPCTSTR text)
{
    if (!IsInsideGrid(row, col) || !CanEditCell(row, col) || NotifyOwner(row, col, GVN_BEGINLABELEDIT) < 0)
        return FALSE;
    return CommitEditedText(row, col, text) ? TRUE : FALSE;
}

void CGridCtrl::FinishCellEdit(int row, int col, LPCTSTR text)
{
    // The rows or columns may have shrunk under an open editor.
    if (!IsInsideGrid(row, col))
        return;
    CommitEditedText(row, col, text);
    if (CGridCellBase* cell = CellAt(row, col))
        cell->ForgetEditor();
}

void CGridCtrl::BeginCellEdit(int row, int col, CPoint point, UINT nChar)
{
    m_TitleTip.HideTip();
    if (!IsInsideGrid(row, col) || !CanEditCell(row, col))
        return;
    ScrollCellIntoView(row, col);
    CRect rect;
    if (!IsCellShown(row, col) || !CellBounds(row, col, &rect))
        return;
    if (NotifyOwner(row, col, GVN_BEGINLABELEDIT) < 0)
        return;
    // An editor already open in the cell takes the key as a character.
    if (CGridCellBase* cell = CellAt(row, col))
        cell->OpenEditor(row, col, rect, point, kEditorId, nChar);
}

void CGridCtrl::CloseActiveEditor()
{
    if (!IsInsideGrid(m_idCurrentCell))
        return;
    if (CGridCellBase* cell = CellAt(m_idCurrentCell.row, m_idCurrentCell.col); cell && cell->IsBeingEdited())
        cell->CloseEditor();
}

BOOL CGridCtrl::PasteIntoCells(CGridCellAddress start, COleDataObject* data, BOOL bSelect)
{
    CString text;
    if (!IsInsideGrid(start) || !CanEditCell(start) || !OffersText(data) || !ReadOfferedText(data, text))
        return FALSE;

    // Whether every value found its cell and was stored there.
    bool whole = true;
    CGridCellBlock pasted(start.row, start.col, -1, -1);
    int rowIndex = 0;
    CString rest = text;
    for (bool more = true; more;) {
        const int newline = rest.Find(L'\n');
        more = newline >= 0;
        CString line = more ? rest.Left(newline) : rest;
        rest = more ? rest.Mid(newline + 1) : CString();

        int r = start.row + rowIndex;
        while (r < m_nRows && m_arRowHeights[r] == 0) {
            ++rowIndex;
            r = start.row + rowIndex;
        }
        int colIndex = 0;
        while (!line.IsEmpty()) {
            const int separator = line.FindOneOf(L"\t,");
            CString value = separator >= 0 ? line.Left(separator) : line;
            int c = start.col + colIndex;
            while (c < m_nCols && m_arColWidths[c] == 0) {
                ++colIndex;
                c = start.col + colIndex;
            }
            value.Trim();
            if (IsInsideGrid(r, c)) {
                if (!StoreTextAsEdit(r, c, value))
                    whole = false;
                ChangeCellState(r, c, CellStateAt(r, c) & ~GVIS_SELECTED);
                pasted.maxRow = std::max(pasted.maxRow, r);
                pasted.maxCol = std::max(pasted.maxCol, c);
            } else if (!value.IsEmpty()) {
                whole = false;
            }
            line = separator >= 0 ? line.Mid(separator + 1) : CString();
            ++colIndex;
        }
        ++rowIndex;
    }
    if (bSelect) {
        SelectBlock(pasted, TRUE, TRUE);
    } else {
        ClearSelectionAndFocus();
        RepaintAll();
    }
    return whole ? TRUE : FALSE;
}

void CGridCtrl::StartSelectionDrag()
{
    if (!m_bAllowDragAndDrop)
        return;
    COleDataSource* source = MakeSelectionDataSource();
    if (!source)
        return;
    const CGridCellBlock block = SelectionBounds();
    NotifyOwner(block.minRow, block.minCol, GVN_BEGINDRAG);
    m_MouseMode = kDragging;
    m_bLMouseButtonDown = FALSE;
    const DWORD effect = source->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    if (effect & DROPEFFECT_MOVE)
        EmptySelectedCells();
    source->Release();
}

DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || !OffersText(pDataObject))
        return DROPEFFECT_NONE;
    m_LastDragOverCell = CellUnderPoint(point);
    if (!IsInsideGrid(m_LastDragOverCell) || !CanEditCell(m_LastDragOverCell))
        return DROPEFFECT_NONE;
    ChangeCellState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                    CellStateAt(m_LastDragOverCell.row, m_LastDragOverCell.col) | GVIS_DROPHILITED);
    RepaintCellNow(m_LastDragOverCell);
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CGridCtrl::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_bAllowDragAndDrop || !m_bEditable || !OffersText(pDataObject))
        return DROPEFFECT_NONE;
    const CGridCellAddress cell = CellUnderPoint(point);
    if (!IsInsideGrid(cell)) {
        OnDragLeave();
        m_LastDragOverCell = CGridCellAddress();
        return DROPEFFECT_NONE;
    }
    if (!CanEditCell(cell))
        return DROPEFFECT_NONE;
    if (cell != m_LastDragOverCell) {
        OnDragLeave();
        m_LastDragOverCell = cell;
        ChangeCellState(cell.row, cell.col, CellStateAt(cell.row, cell.col) | GVIS_DROPHILITED);
        RepaintCellNow(cell);
    }
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CGridCtrl::OnDragLeave()
{
    if (!IsInsideGrid(m_LastDragOverCell))
        return;
    ChangeCellState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                    CellStateAt(m_LastDragOverCell.row, m_LastDragOverCell.col) & ~GVIS_DROPHILITED);
    RepaintCellNow(m_LastDragOverCell);
}

BOOL CGridCtrl::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint)
{
    m_MouseMode = kMouseNone;
    if (!m_bAllowDragAndDrop || !IsInsideGrid(m_LastDragOverCell) || !CanEditCell(m_LastDragOverCell))
        return FALSE;
    OnDragLeave();
    const BOOL whole = PasteIntoCells(m_LastDragOverCell, pDataObject, FALSE);
    // A move that left any of the text out did not happen: the source keeps its
    // cells (the cells here keep what they took, as after a copy).
    return whole || dropEffect != DROPEFFECT_MOVE;
}

void CGridCtrl::OnEditCut()
{
    if (!m_bEditable)
        return;
    // The cells are emptied only once their text is on the clipboard.
    if (COleDataSource* source = MakeSelectionDataSource(); source && source->SetClipboard())
        EmptySelectedCells();
}

void CGridCtrl::OnEditCopy()
{
    if (COleDataSource* source = MakeSelectionDataSource())
        source->SetClipboard();
}

void CGridCtrl::OnEditPaste()
{
    if (!m_bEditable)
        return;
    CGridCellAddress target;
    const CGridCellBlock selected = SelectionBounds();
    if (IsInsideGrid(selected))
        target = selected.TopLeft();
    else if (IsInsideGrid(m_idCurrentCell))
        target = m_idCurrentCell;
    else
        target = FirstScrolledCell();
    if (!IsInsideGrid(target))
        return;
    if (CGridCellBase* cell = CellAt(target.row, target.col); cell && cell->IsBeingEdited()) {
        CWnd* editor = cell->EditorWindow();
        wchar_t className[16] = {};
        if (editor && editor->GetSafeHwnd() && ::GetClassNameW(editor->GetSafeHwnd(), className, 16) &&
            lstrcmpiW(className, L"Edit") == 0) {
            editor->SendMessage(WM_PASTE, 0, 0);
            return;
        }
    }
    COleDataObject clipboard;
    if (clipboard.AttachClipboard())
        PasteIntoCells(target, &clipboard, TRUE);
}

void CGridCtrl::OnEditSelectAll()
{
    NotifyOwner(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
    SelectEverything();
    NotifyOwner(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
}

void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_SelectedCellMap.GetCount() > 0);
}

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bEditable && m_SelectedCellMap.GetCount() > 0);
}

void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsInsideGrid(m_idCurrentCell) && CanEditCell(m_idCurrentCell) &&
                   (::IsClipboardFormatAvailable(CF_UNICODETEXT) || ::IsClipboardFormatAvailable(CF_TEXT)));
}

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bEnableSelection);
}
