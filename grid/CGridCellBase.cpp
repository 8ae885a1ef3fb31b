#include "CGridCellBase.h"

#include "CGridCtrl.h"
#include "CGridDefaultCell.h"

IMPLEMENT_DYNAMIC(CGridCellBase, CObject)

CGridDefaultCell* CGridCellBase::MatchingDefaultCell() const
{
    CGridCtrl* grid = OwnerGrid();
    return grid ? grid->MatchingDefaultCell(HasFixedRowBit(), HasFixedColumnBit()) : nullptr;
}

void CGridCellBase::AssignFrom(const CGridCellBase& source)
{
    if (&source == this)
        return;
    AttachGrid(source.OwnerGrid());
    StoreText(source.CellText());
    StoreImage(source.ImageIndex());
    StoreDataValue(source.DataValue());
    StoreState(source.StateBits());
    StoreFormat(source.DrawFormat());
    StoreTextColour(source.TextColour());
    StoreBackColour(source.BackColour());
    StoreFont(source.UsesDefaultFont() ? nullptr : source.FontRecord());
    StoreMargin(source.MarginPixels());
}

bool CGridCellBase::ImageSize(CSize& size) const
{
    CGridCtrl* grid = OwnerGrid();
    CImageList* images = grid ? grid->ImageList() : nullptr;
    IMAGEINFO info{};
    if (!images || !images->GetSafeHandle() || ImageIndex() < 0 || !images->GetImageInfo(ImageIndex(), &info))
        return false;
    size = CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    return true;
}

namespace {

void DrawLinePath(CDC* pDC, COLORREF colour, const POINT* points, int count)
{
    CPen pen(PS_SOLID, 1, colour);
    CPen* old = pDC->SelectObject(&pen);
    pDC->MoveTo(points[0]);
    for (int i = 1; i < count; ++i)
        pDC->LineTo(points[i]);
    pDC->SelectObject(old);
}

void FillWith(CDC* pDC, const CRect& rect, COLORREF colour)
{
    CBrush brush(colour);
    if (brush.GetSafeHandle())
        pDC->FillRect(&rect, &brush);
}

} // namespace

BOOL CGridCellBase::PaintCell(CDC* pDC, int row, int col, CRect rect, BOOL bEraseBkgnd)
{
    CGridCtrl* grid = OwnerGrid();
    if (!grid || !pDC || !pDC->GetSafeHdc() || rect.Width() <= 0 || rect.Height() <= 0)
        return FALSE;
    CGridDefaultCell* def = MatchingDefaultCell();
    if (!def)
        return FALSE;
    // Saving and restoring the whole DC, and selecting a font back and forth,
    // cost more than the rest of a cell's painting: only the text colour and
    // background mode are put back, and the cell's font stays selected for the
    // next cell (the grid puts the DC's own font back after painting).
    const HDC hdc = pDC->GetSafeHdc();
    const int oldBkMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldTextColour = ::GetTextColor(hdc);
    COLORREF textClr = TextColour() == CLR_DEFAULT_CELL ? def->TextColour() : TextColour();
    COLORREF backClr;
    if (BackColour() != CLR_DEFAULT_CELL) {
        backClr = BackColour();
        bEraseBkgnd = TRUE;
    } else {
        backClr = def->BackColour();
    }
    const bool gridLines = grid->GridLines() != 0;
    if (HasFocusBit() || HasDropHighlightBit()) {
        bool erase = bEraseBkgnd != FALSE;
        if (HasSelectedBit()) {
            backClr = ::GetSysColor(COLOR_HIGHLIGHT);
            textClr = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
            erase = true;
        }
        rect.right++;
        rect.bottom++;
        if (erase)
            FillWith(pDC, rect, backClr);
        if (gridLines) {
            rect.right--;
            rect.bottom--;
        }
        if (grid->FramesFocusCell()) {
            CBrush frame(textClr);
            if (frame.GetSafeHandle())
                pDC->FrameRect(&rect, &frame);
        }
        pDC->SetTextColor(textClr);
        if (!gridLines) {
            rect.right--;
            rect.bottom--;
        }
    } else if (HasSelectedBit()) {
        CRect fill(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
        FillWith(pDC, fill, ::GetSysColor(COLOR_HIGHLIGHT));
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        if (bEraseBkgnd) {
            CRect fill(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
            FillWith(pDC, fill, backClr);
        }
        pDC->SetTextColor(textClr);
    }

    if (HasFixedBit() && gridLines) {
        CGridCellAddress focus = grid->FocusCell();
        if (grid->TracksFocusCell() && grid->IsInsideGrid(focus) && (row == focus.row || col == focus.col)) {
            CRect edge(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
            pDC->DrawEdge(&edge, BDR_SUNKENINNER, BF_RECT);
        } else {
            const POINT light[] = {{rect.right, rect.top}, {rect.left, rect.top}, {rect.left, rect.bottom}};
            const POINT dark[] = {{rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
            DrawLinePath(pDC, ::GetSysColor(COLOR_BTNHIGHLIGHT), light, 3);
            DrawLinePath(pDC, ::GetSysColor(COLOR_3DDKSHADOW), dark, 3);
        }
        rect.DeflateRect(1, 1);
    }

    if (!pDC->IsPrinting()) {
        if (CFont* font = FontToSelect(); font && font->GetSafeHandle() &&
                                          ::GetCurrentObject(hdc, OBJ_FONT) != font->GetSafeHandle())
            ::SelectObject(hdc, font->GetSafeHandle());
    }
    const int margin = static_cast<int>(MarginPixels());
    rect.DeflateRect(margin, margin);
    rect.right++;
    rect.bottom++;

    CSize image;
    if (ImageSize(image) && rect.left + image.cx <= rect.right)
        ImageList_Draw(grid->ImageList()->GetSafeHandle(), ImageIndex(), pDC->GetSafeHdc(), rect.left, rect.top,
                       ILD_NORMAL);

    if (row == 0 && col == grid->SortColumn()) {
        int s = pDC->GetTextExtent(L"M", 1).cy - 4;
        if (s >= rect.Height())
            s = rect.Height() - 4;
        const LOGFONTW* lf = FontRecord();
        const bool vertical = lf && lf->lfEscapement == 900;
        if (rect.left + s < rect.right) {
            const int y = rect.bottom - s - 2;
            const int x = vertical ? (rect.right - s + rect.left) / 2 : rect.right - s;
            const COLORREF hi = ::GetSysColor(COLOR_BTNHIGHLIGHT);
            const COLORREF sh = ::GetSysColor(COLOR_BTNSHADOW);
            if (grid->SortAscending()) {
                const POINT light[] = {{x + 1, y + s + 1}, {x + s / 2 + 1, y + 1}, {x + s + 1, y + s + 1}, {x + 1, y + s + 1}};
                const POINT dark[] = {{x, y + s}, {x + s / 2, y}, {x + s, y + s}, {x, y + s}};
                DrawLinePath(pDC, hi, light, 4);
                DrawLinePath(pDC, sh, dark, 4);
            } else {
                const POINT light[] = {{x + 1, y + 1}, {x + s / 2 + 1, y + s + 1}, {x + s + 1, y + 1}, {x + 1, y + 1}};
                const POINT dark[] = {{x, y}, {x + s / 2, y + s}, {x + s, y}, {x, y}};
                DrawLinePath(pDC, hi, light, 4);
                DrawLinePath(pDC, sh, dark, 4);
            }
            if (!vertical)
                rect.right -= s;
        }
    }

    TextBounds(&rect);
    rect.right++;
    rect.bottom++;
    CString text = CellText();
    text.Replace(L'\t', L' ');
    text.Replace(static_cast<wchar_t>(0x81), L' ');
    pDC->DrawText(text, &rect, DrawFormat() | DT_NOPREFIX);
    ::SetTextColor(hdc, oldTextColour);
    ::SetBkMode(hdc, oldBkMode);
    return TRUE;
}

BOOL CGridCellBase::TextBounds(LPRECT rect)
{
    CSize image;
    if (rect && ImageSize(image))
        rect->left += static_cast<int>(MarginPixels()) + image.cx + 1;
    return TRUE;
}

CSize CGridCellBase::MeasureText(LPCTSTR text, CDC* pDC)
{
    CGridDefaultCell* def = MatchingDefaultCell();
    if (!text)
        return def ? CSize(def->DefaultWidth(), def->DefaultHeight()) : CSize(0, 0);
    CGridCtrl* grid = OwnerGrid();
    CDC* borrowed = nullptr;
    if (!pDC) {
        if (!grid || !grid->GetSafeHwnd())
            return CSize(0, 0);
        pDC = borrowed = grid->GetDC();
        if (!pDC)
            return CSize(0, 0);
    }
    CFont* old = nullptr;
    if (CFont* font = FontToSelect(); font && font->GetSafeHandle())
        old = pDC->SelectObject(font);
    const UINT format = DrawFormat();
    CSize size;
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
        size = pDC->GetTextExtent(text, lstrlenW(text));
    } else {
        int widest = 0;
        for (LPCTSTR line = text; *line;) {
            LPCTSTR end = wcschr(line, L'\n');
            const int length = end ? static_cast<int>(end - line) : lstrlenW(line);
            widest = std::max(widest, static_cast<int>(pDC->GetTextExtent(line, length).cx));
            if (!end)
                break;
            line = end + 1;
        }
        CRect calc(0, 0, widest + 1, 0);
        pDC->DrawText(text, lstrlenW(text), &calc, format | DT_CALCRECT);
        size = CSize(calc.Width(), calc.Height());
    }
    if (old)
        pDC->SelectObject(old);
    if (borrowed)
        grid->ReleaseDC(borrowed);
    const int margin = static_cast<int>(MarginPixels());
    size.cx += 2 * margin;
    size.cy += 2 * margin;
    const LOGFONTW* lf = FontRecord();
    if (lf && (lf->lfEscapement == 900 || lf->lfEscapement == -900))
        size = CSize(size.cy, size.cx + 4 * margin);
    return size;
}

CSize CGridCellBase::MeasureCell(CDC* pDC)
{
    CSize text = MeasureText(CellText(), pDC);
    const int margin = static_cast<int>(MarginPixels());
    CSize image(0, 0);
    if (ImageSize(image)) {
        if (text.cx > 2 * margin)
            image.cx += margin;
        image.cy += 2 * margin;
    }
    CSize size(text.cx + image.cx + 1, std::max(text.cy, image.cy) + 1);
    if (HasFixedBit()) {
        size.cx++;
        size.cy++;
    }
    return size;
}

BOOL CGridCellBase::ChooseCursor()
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}
