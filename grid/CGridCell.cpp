#include "CGridCell.h"

#include "CGridCellEditor.h"
#include "CGridCtrl.h"
#include "CGridDefaultCell.h"

IMPLEMENT_DYNCREATE(CGridCell, CGridCellBase)

void CGridCell::StoreFont(const LOGFONTW* font)
{
    m_ownFont.DeleteObject();
    if (!font) {
        m_pFont.reset();
        return;
    }
    if (!m_pFont)
        m_pFont = std::make_unique<LOGFONTW>();
    *m_pFont = *font;
}

UINT CGridCell::DrawFormat() const
{
    if (m_nFormat != static_cast<UINT>(-1))
        return m_nFormat;
    CGridDefaultCell* def = MatchingDefaultCell();
    return def ? def->DrawFormat() : 0;
}

UINT CGridCell::MarginPixels() const
{
    if (m_nMargin != static_cast<UINT>(-1))
        return m_nMargin;
    CGridDefaultCell* def = MatchingDefaultCell();
    return def ? def->MarginPixels() : 0;
}

const LOGFONTW* CGridCell::FontRecord() const
{
    if (m_pFont)
        return m_pFont.get();
    CGridDefaultCell* def = MatchingDefaultCell();
    return def ? def->FontRecord() : nullptr;
}

CFont* CGridCell::FontToSelect() const
{
    if (!m_pFont) {
        CGridDefaultCell* def = MatchingDefaultCell();
        return def ? def->FontToSelect() : nullptr;
    }
    if (m_pGrid)
        return m_pGrid->SharedFont(*m_pFont);
    if (!m_ownFont.GetSafeHandle())
        m_ownFont.CreateFontIndirect(m_pFont.get());
    return &m_ownFont;
}

void CGridCell::ClearAttributes()
{
    CGridCellBase::ClearAttributes();
    m_strText.Empty();
    m_nImage = -1;
    m_nFormat = static_cast<UINT>(-1);
    m_nMargin = static_cast<UINT>(-1);
    m_lParam = 0;
    m_pGrid = nullptr;
    m_bEditing = FALSE;
    m_hEditWnd = nullptr;
    m_crFgClr = CLR_DEFAULT_CELL;
    m_crBkClr = CLR_DEFAULT_CELL;
    StoreFont(nullptr);
}

BOOL CGridCell::OpenEditor(int row, int col, CRect rect, CPoint, UINT nID, UINT nChar)
{
    if (m_bEditing) {
        if (CWnd* editor = EditorWindow())
            editor->SendMessage(WM_CHAR, nChar);
        return TRUE;
    }
    if (!m_pGrid || !m_pGrid->GetSafeHwnd())
        return FALSE;
    const UINT format = DrawFormat();
    DWORD style = ES_LEFT;
    if (format & DT_RIGHT)
        style = ES_RIGHT;
    else if (format & DT_CENTER)
        style = ES_CENTER;
    m_bEditing = TRUE;
    auto* editor = new CGridCellEditor(m_pGrid, rect, style, nID, row, col, CellText(), nChar);
    if (!editor->GetSafeHwnd()) {
        delete editor;
        m_bEditing = FALSE;
        return FALSE;
    }
    m_hEditWnd = editor->GetSafeHwnd();
    return TRUE;
}

void CGridCell::CloseEditor()
{
    if (auto* editor = DYNAMIC_DOWNCAST(CGridCellEditor, EditorWindow()))
        editor->FinishAndNotify();
}
