#pragma once
// A cell of the grid: its state word and the logic that measures and draws it
// inside the rectangle the grid hands it. Attribute storage is the derived
// classes' business.
#include "Framework.h"
#include "GridNotices.h"

class CGridCtrl;
class CGridDefaultCell;

class CGridCellBase : public CObject {
    DECLARE_DYNAMIC(CGridCellBase)
public:
    CGridCellBase() = default;
    ~CGridCellBase() override = default;

    virtual void StoreText(LPCTSTR text) = 0;
    virtual void StoreImage(int image) = 0;
    virtual void StoreDataValue(LPARAM value) = 0;
    virtual void StoreState(UINT state) { m_nState = state; }
    virtual void StoreFormat(UINT format) = 0;
    virtual void StoreTextColour(COLORREF colour) = 0;
    virtual void StoreBackColour(COLORREF colour) = 0;
    virtual void StoreFont(const LOGFONTW* font) = 0;
    virtual void StoreMargin(UINT pixels) = 0;
    virtual void AttachGrid(CGridCtrl* grid) = 0;
    virtual void NotePosition(int row, int col) = 0;

    virtual LPCTSTR CellText() const = 0;
    virtual LPCTSTR HoverText() const { return CellText(); }
    virtual int ImageIndex() const = 0;
    virtual LPARAM DataValue() const = 0;
    virtual UINT StateBits() const { return m_nState; }
    virtual UINT DrawFormat() const = 0;
    virtual COLORREF TextColour() const = 0;
    virtual COLORREF BackColour() const = 0;
    virtual const LOGFONTW* FontRecord() const = 0;
    virtual CFont* FontToSelect() const = 0;
    virtual CGridCtrl* OwnerGrid() const = 0;
    virtual CWnd* EditorWindow() const = 0;
    virtual UINT MarginPixels() const = 0;
    virtual CGridDefaultCell* MatchingDefaultCell() const;
    virtual BOOL UsesDefaultFont() const = 0;
    virtual BOOL IsBeingEdited() const = 0;

    virtual BOOL HasFocusBit() const { return (m_nState & GVIS_FOCUSED) != 0; }
    virtual BOOL HasFixedBit() const { return (m_nState & GVIS_FIXED) != 0; }
    virtual BOOL HasFixedColumnBit() const { return (m_nState & GVIS_FIXEDCOL) != 0; }
    virtual BOOL HasFixedRowBit() const { return (m_nState & GVIS_FIXEDROW) != 0; }
    virtual BOOL HasSelectedBit() const { return (m_nState & GVIS_SELECTED) != 0; }
    virtual BOOL HasReadOnlyBit() const { return (m_nState & GVIS_READONLY) != 0; }
    virtual BOOL HasModifiedBit() const { return (m_nState & GVIS_MODIFIED) != 0; }
    virtual BOOL HasDropHighlightBit() const { return (m_nState & GVIS_DROPHILITED) != 0; }

    // Copies every attribute of the source through the Store operations.
    virtual void AssignFrom(const CGridCellBase& source);
    virtual void ClearAttributes() { m_nState = 0; }

    virtual BOOL PaintCell(CDC* pDC, int row, int col, CRect rect, BOOL bEraseBkgnd);
    virtual BOOL TextBounds(LPRECT rect);
    virtual BOOL HoverTextBounds(LPRECT rect) { return TextBounds(rect); }
    virtual CSize MeasureText(LPCTSTR text, CDC* pDC = nullptr);
    virtual CSize MeasureCell(CDC* pDC = nullptr);

    virtual BOOL OpenEditor(int, int, CRect, CPoint, UINT, UINT) { return FALSE; }
    virtual BOOL AcceptEditedText(LPCTSTR) { return TRUE; }
    virtual void CloseEditor() {}
    virtual void ForgetEditor() {}

    virtual void OnMouseEnter() {}
    virtual void OnMouseOver() {}
    virtual void OnMouseLeave() {}
    virtual void HandleClick(CPoint) {}
    virtual void HandlePress(CPoint) {}
    virtual void HandleRightClick(CPoint) {}
    virtual void HandleDoubleClick(CPoint) {}
    virtual BOOL ChooseCursor();

protected:
    // The image's size, when the grid has an image list and the cell an image.
    bool ImageSize(CSize& size) const;

    UINT m_nState = 0;
};
