#pragma once
// The ordinary grid cell: stores every attribute; unset ones come from the
// default cell that matches its fixed state.
#include "CGridCellBase.h"

#include <memory>

class CGridCell : public CGridCellBase {
    DECLARE_DYNCREATE(CGridCell)
public:
    CGridCell() = default;
    ~CGridCell() override = default;

    void StoreText(LPCTSTR text) override { m_strText = text ? text : L""; }
    void StoreImage(int image) override { m_nImage = image; }
    void StoreDataValue(LPARAM value) override { m_lParam = value; }
    void StoreFormat(UINT format) override { m_nFormat = format; }
    void StoreTextColour(COLORREF colour) override { m_crFgClr = colour; }
    void StoreBackColour(COLORREF colour) override { m_crBkClr = colour; }
    void StoreFont(const LOGFONTW* font) override;
    void StoreMargin(UINT pixels) override { m_nMargin = pixels; }
    void AttachGrid(CGridCtrl* grid) override { m_pGrid = grid; }
    void NotePosition(int, int) override {}

    LPCTSTR CellText() const override { return m_strText; }
    int ImageIndex() const override { return m_nImage; }
    LPARAM DataValue() const override { return m_lParam; }
    UINT DrawFormat() const override;
    COLORREF TextColour() const override { return m_crFgClr; }
    COLORREF BackColour() const override { return m_crBkClr; }
    const LOGFONTW* FontRecord() const override;
    CFont* FontToSelect() const override;
    CGridCtrl* OwnerGrid() const override { return m_pGrid; }
    // Null once the editor's window is gone.
    CWnd* EditorWindow() const override { return CWnd::FromHandlePermanent(m_hEditWnd); }
    UINT MarginPixels() const override;
    BOOL UsesDefaultFont() const override { return m_pFont == nullptr; }
    BOOL IsBeingEdited() const override { return m_bEditing; }

    void ClearAttributes() override;
    BOOL OpenEditor(int row, int col, CRect rect, CPoint point, UINT nID, UINT nChar) override;
    void CloseEditor() override;
    void ForgetEditor() override
    {
        m_bEditing = FALSE;
        m_hEditWnd = nullptr;
    }

protected:
    CString m_strText;
    LPARAM m_lParam = 0;
    int m_nImage = -1;
    UINT m_nFormat = static_cast<UINT>(-1);
    COLORREF m_crFgClr = CLR_DEFAULT_CELL;
    COLORREF m_crBkClr = CLR_DEFAULT_CELL;
    std::unique_ptr<LOGFONTW> m_pFont;
    UINT m_nMargin = static_cast<UINT>(-1);
    BOOL m_bEditing = FALSE;
    CGridCtrl* m_pGrid = nullptr;
    // The editor deletes itself with its window, so the cell keeps only the handle.
    HWND m_hEditWnd = nullptr;

private:
    // The GDI font of the own font for a cell outside any grid (a grid shares
    // one font among all its cells that describe it alike).
    mutable CFont m_ownFont;
};
