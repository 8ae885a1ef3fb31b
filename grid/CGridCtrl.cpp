#include "CGridCtrl.h"

#include "CGridOffscreenDC.h"

#include <algorithm>
#include <memory>
#include <new>

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

namespace {

constexpr wchar_t kGridClass[] = L"GridCtrlWnd";

UINT ReadWheelScrollLines()
{
    UINT lines = 3;
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL known = ::GetVersionExW(&version);
#pragma GCC diagnostic pop
    if (known && !(version.dwPlatformId == 1 && version.dwMinorVersion == 0)) {
        ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        return lines;
    }
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        wchar_t buffer[128] = {};
        DWORD size = sizeof(buffer) - sizeof(wchar_t);
        if (::RegQueryValueExW(key, L"WheelScrollLines", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) ==
            ERROR_SUCCESS)
            lines = static_cast<UINT>(wcstoul(buffer, nullptr, 10));
        ::RegCloseKey(key);
    }
    return lines;
}

// The display request's record and cell, shared by every grid (UI thread only).
GridCellRequest& SharedRequest()
{
    static GridCellRequest request{};
    return request;
}

CGridCellAddress& SharedCellAddress()
{
    static CGridCellAddress scratch;
    return scratch;
}

CGridCell& SharedCell()
{
    static CGridCell cell;
    return cell;
}

} // namespace

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(WM_SETFONT, OnSetFontMessage)
    ON_MESSAGE(WM_GETFONT, OnGetFontMessage)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_MESSAGE(WM_IME_CHAR, OnImeChar)
    ON_WM_CAPTURECHANGED()
    ON_WM_TIMER()
    ON_NOTIFY(GVN_ENDLABELEDIT, CGridCtrl::kEditorId, HandleEditorEnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_COMMAND(ID_EDIT_COPY, OnEditCopyCommand)
    ON_COMMAND(ID_EDIT_CUT, OnEditCutCommand)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPasteCommand)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAllCommand)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_pRtcDefault(RUNTIME_CLASS(CGridCell))
{
    RegisterGridClass();
    // Clipboard and drag and drop need OLE on this thread.
    if (!AfxOleInit())
        AfxMessageBox(L"OLE initialization failed. Make sure that the OLE libraries are the correct version");
    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
    m_cr3DFace = ::GetSysColor(COLOR_BTNFACE);
    m_crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_nRowsPerWheelNotch = ReadWheelScrollLines();
    PrepareDefaultCells();
    m_crGridBkColour = m_crShadow;
    ChangeRowTotal(nRows);
    ChangeColumnTotal(nCols);
    ChangeFixedRowTotal(nFixedRows);
    ChangeFixedColumnTotal(nFixedCols);
    m_SelectedCellMap.RemoveAll();
    m_PrevSelectedCellMap.RemoveAll();
}

CGridCtrl::~CGridCtrl()
{
    RemoveAllCells();
    DestroyWindow();
    // Text copied from this grid stays on the clipboard after it is gone.
    COleDataSource::FlushClipboard();
}

void CGridCtrl::AssertUiThread() const
{
    ASSERT(!GetSafeHwnd() || ::GetWindowThreadProcessId(GetSafeHwnd(), nullptr) == ::GetCurrentThreadId());
}

BOOL CGridCtrl::RegisterGridClass()
{
    HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSW existing{};
    if (::GetClassInfoW(instance, kGridClass, &existing))
        return TRUE;
    WNDCLASSW wc{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    wc.lpszClassName = kGridClass;
    if (!::RegisterClassW(&wc))
        AfxThrowResourceException();
    return TRUE;
}

BOOL CGridCtrl::CreateGrid(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    if (!CWnd::Create(kGridClass, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    try {
        m_arRowHeights.SetSize(m_nRows);
        m_arColWidths.SetSize(m_nCols);
    } catch (CMemoryException* e) {
        e->Delete();
        return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    const UINT height = static_cast<UINT>(m_cellDefault.DefaultHeight());
    const UINT width = static_cast<UINT>(m_cellDefault.DefaultWidth());
    for (int i = 0; i < m_nRows; ++i)
        m_arRowHeights[i] = height;
    for (int i = 0; i < m_nCols; ++i)
        m_arColWidths[i] = width;
    m_nTotalHeight = static_cast<ULONGLONG>(height) * static_cast<ULONGLONG>(m_nRows);
    m_nTotalWidth = static_cast<ULONGLONG>(width) * static_cast<ULONGLONG>(m_nCols);
    m_nAnchorRow = m_nAnchorCol = -1;
    RecalcScrollBars();
    return TRUE;
}

void CGridCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    CompleteWindowSetup();
}

void CGridCtrl::CompleteWindowSetup()
{
    static bool busy = false;
    if (busy)
        return;
    busy = true;
    m_TitleTip.SetParentGrid(this);
    if (GetSafeHwnd()) {
        ModifyStyleEx(0, WS_EX_CLIENTEDGE);
        CRect rect;
        GetWindowRect(&rect);
        if (CWnd* parent = GetParent())
            parent->ScreenToClient(&rect);
        CRect grown = rect;
        grown.InflateRect(1, 1);
        MoveWindow(&grown);
        MoveWindow(&rect);
    }
    busy = false;
}

void CGridCtrl::PrepareDefaultCells()
{
    for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef}) {
        cell->AttachGrid(this);
        cell->StoreTextColour(m_crWindowText);
        cell->StoreBackColour(cell == &m_cellDefault ? m_crWindowColour : m_cr3DFace);
    }
}

// ---- notifications -------------------------------------------------------

namespace {

LRESULT SendToOwner(const CWnd* grid, NMHDR* header, int code)
{
    HWND self = grid->GetSafeHwnd();
    if (!self)
        return 0;
    // The owner set with SetOwner, else the parent.
    const CWnd* owner = grid->GetOwner();
    HWND target = owner ? owner->GetSafeHwnd() : nullptr;
    if (!target || !::IsWindow(target))
        return 0;
    header->hwndFrom = self;
    header->idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(self));
    header->code = static_cast<UINT>(code);
    return ::SendMessageW(target, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

} // namespace

LRESULT CGridCtrl::NotifyOwner(int row, int col, int code) const
{
    GridCellNotice notice{};
    notice.iRow = row;
    notice.iColumn = col;
    return SendToOwner(this, &notice.hdr, code);
}

LRESULT CGridCtrl::RequestCellFromOwner(GridCellRequest* request) const
{
    return SendToOwner(this, &request->hdr, GVN_GETDISPINFO);
}

LRESULT CGridCtrl::AnnounceCellBlock(const CGridCellBlock& block) const
{
    GridBlockNotice notice{};
    notice.cellRange = block;
    return SendToOwner(this, &notice.hdr, GVN_ODCACHEHINT);
}

LRESULT CGridCtrl::NotifyEditEnd(int row, int col, LPCTSTR text) const
{
    GridCellRequest notice{};
    notice.item.row = row;
    notice.item.col = col;
    notice.item.mask = GVIF_TEXT;
    notice.item.strText = text;
    return SendToOwner(this, &notice.hdr, GVN_ENDLABELEDIT);
}

// ---- structure -----------------------------------------------------------

CGridDefaultCell* CGridCtrl::MatchingDefaultCell(BOOL fixedRow, BOOL fixedCol) const
{
    auto* self = const_cast<CGridCtrl*>(this);
    if (fixedRow && fixedCol)
        return &self->m_cellFixedRowColDef;
    if (fixedRow)
        return &self->m_cellFixedRowDef;
    if (fixedCol)
        return &self->m_cellFixedColDef;
    return &self->m_cellDefault;
}

BOOL CGridCtrl::IsInsideGrid(int row, int col) const
{
    return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols;
}

BOOL CGridCtrl::IsInsideGrid(const CGridCellBlock& b) const
{
    return b.IsValid() && b.maxRow < m_nRows && b.maxCol < m_nCols && b.maxRow >= b.minRow && b.maxCol >= b.minCol;
}

CGridCellBase* CGridCtrl::StoredCell(int row, int col) const
{
    if (!IsInsideGrid(row, col) || static_cast<size_t>(row) >= m_RowData.size())
        return nullptr;
    CellRow* cells = m_RowData[static_cast<size_t>(row)];
    if (!cells || static_cast<size_t>(col) >= cells->size())
        return nullptr;
    return (*cells)[static_cast<size_t>(col)];
}

CGridCellBase* CGridCtrl::RequestedCell(int row, int col) const
{
    GridCellRequest& request = SharedRequest();
    GridCellRecord& item = request.item;
    const bool fixedRow = row < m_nFixedRows;
    const bool fixedCol = col < m_nFixedCols;
    CGridDefaultCell* def = MatchingDefaultCell(fixedRow, fixedCol);
    item.row = row;
    item.col = col;
    item.mask = 0xFFFFFFFF;
    item.nState = 0;
    item.nFormat = def->DrawFormat();
    item.iImage = def->ImageIndex();
    item.crBkClr = def->BackColour();
    item.crFgClr = def->TextColour();
    item.lParam = def->DataValue();
    if (const LOGFONTW* font = def->FontRecord())
        item.lfFont = *font;
    item.nMargin = def->MarginPixels();
    item.strText.Empty();
    if (m_bEnableSelection && m_SelectedCellMap.Lookup(SelectionKey(row, col), SharedCellAddress()))
        item.nState |= GVIS_SELECTED;
    if (fixedRow)
        item.nState |= GVIS_FIXED | GVIS_FIXEDROW;
    if (fixedCol)
        item.nState |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (CGridCellAddress(row, col) == m_idCurrentCell)
        item.nState |= GVIS_FOCUSED;
    if (m_pfnCallback)
        m_pfnCallback(&request, m_lParam);
    else
        RequestCellFromOwner(&request);

    CGridCell& cell = SharedCell();
    cell.StoreState(item.nState);
    cell.StoreFormat(item.nFormat);
    cell.StoreImage(item.iImage);
    cell.StoreTextColour(item.crFgClr);
    cell.StoreBackColour(item.crBkClr);
    cell.StoreDataValue(item.lParam);
    cell.StoreFont(&item.lfFont);
    cell.StoreMargin(item.nMargin);
    cell.StoreText(item.strText);
    cell.AttachGrid(const_cast<CGridCtrl*>(this));
    return &cell;
}

CGridCellBase* CGridCtrl::CellAt(int row, int col) const
{
    if (!IsInsideGrid(row, col))
        return nullptr;
    if (m_bVirtualMode)
        return RequestedCell(row, col);
    return StoredCell(row, col);
}

void CGridCtrl::SetVirtualMode(BOOL bVirtual)
{
    RemoveAllCells();
    m_bVirtualMode = bVirtual;
}

void CGridCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef}) {
        if (cell->TextColour() == m_crWindowText)
            cell->StoreTextColour(::GetSysColor(COLOR_WINDOWTEXT));
        if (cell->BackColour() == m_crWindowColour)
            cell->StoreBackColour(::GetSysColor(COLOR_WINDOW));
    }
    if (m_crGridBkColour == m_crShadow)
        m_crGridBkColour = ::GetSysColor(COLOR_BTNSHADOW);
    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
    m_cr3DFace = ::GetSysColor(COLOR_BTNFACE);
    m_crShadow = ::GetSysColor(COLOR_BTNSHADOW);
}

// ---- sizes ---------------------------------------------------------------

void CGridCtrl::StoreRowHeight(int row, UINT height)
{
    const UINT old = m_arRowHeights[row];
    m_nTotalHeight = m_nTotalHeight - old + height;
    if (row >= m_nFixedRows && row < m_nAnchorRow)
        m_nAnchorRowPos += static_cast<LONGLONG>(height) - static_cast<LONGLONG>(old);
    m_arRowHeights[row] = height;
}

void CGridCtrl::StoreColumnWidth(int col, UINT width)
{
    const UINT old = m_arColWidths[col];
    m_nTotalWidth = m_nTotalWidth - old + width;
    if (col >= m_nFixedCols && col < m_nAnchorCol)
        m_nAnchorColPos += static_cast<LONGLONG>(width) - static_cast<LONGLONG>(old);
    m_arColWidths[col] = width;
}

int CGridCtrl::RowHeight(int row) const
{
    return row < 0 || row >= m_arRowHeights.GetSize() ? -1 : static_cast<int>(m_arRowHeights[row]);
}

int CGridCtrl::ColumnWidth(int col) const
{
    return col < 0 || col >= m_arColWidths.GetSize() ? -1 : static_cast<int>(m_arColWidths[col]);
}

BOOL CGridCtrl::ChangeRowHeight(int row, int height)
{
    AssertUiThread();
    if (row < 0 || row >= m_arRowHeights.GetSize() || height < 0)
        return FALSE;
    StoreRowHeight(row, static_cast<UINT>(height));
    RecalcScrollBars();
    return TRUE;
}

BOOL CGridCtrl::ChangeColumnWidth(int col, int width)
{
    if (col < 0 || col >= m_arColWidths.GetSize() || width < 0)
        return FALSE;
    StoreColumnWidth(col, static_cast<UINT>(width));
    RecalcScrollBars();
    return TRUE;
}

int CGridCtrl::SumFixedRowHeights() const
{
    int sum = 0;
    for (int i = 0; i < m_nFixedRows && i < m_arRowHeights.GetSize(); ++i)
        sum += static_cast<int>(m_arRowHeights[i]);
    return sum;
}

int CGridCtrl::SumFixedColumnWidths() const
{
    int sum = 0;
    for (int i = 0; i < m_nFixedCols && i < m_arColWidths.GetSize(); ++i)
        sum += static_cast<int>(m_arColWidths[i]);
    return sum;
}

// ---- cells ---------------------------------------------------------------

CGridCellBase* CGridCtrl::MakeCell(int row, int col)
{
    if (!m_pRtcDefault || !m_pRtcDefault->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase)))
        return nullptr;
    auto* cell = static_cast<CGridCellBase*>(m_pRtcDefault->CreateObject());
    if (!cell)
        return nullptr;
    cell->AttachGrid(this);
    cell->NotePosition(row, col);
    UINT state = cell->StateBits();
    if (col < m_nFixedCols)
        state |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (row < m_nFixedRows)
        state |= GVIS_FIXED | GVIS_FIXEDROW;
    cell->StoreState(state);
    if (CGridDefaultCell* def = cell->MatchingDefaultCell())
        cell->StoreFormat(def->DrawFormat());
    return cell;
}

void CGridCtrl::DisposeCell(int row, int col)
{
    ChangeCellState(row, col, 0);
    delete StoredCell(row, col);
}

BOOL CGridCtrl::ChangeFixedRowTotal(int n)
{
    if (n < 0)
        return FALSE;
    if (n == m_nFixedRows)
        return TRUE;
    ClearSelectionAndFocus();
    if (n > m_nRows && !ChangeRowTotal(n))
        return FALSE;
    if (m_idCurrentCell.row != -1 && m_idCurrentCell.row < n)
        MoveFocusTo(-1, -1);
    if (!m_bVirtualMode) {
        const int low = std::min(n, m_nFixedRows);
        const int high = std::max(n, m_nFixedRows);
        for (int row = low; row < high && row < m_nRows; ++row) {
            for (int col = 0; col < m_nCols; ++col) {
                CGridCellBase* cell = StoredCell(row, col);
                if (!cell)
                    continue;
                RestyleFixedCell(cell, n > m_nFixedRows, col < m_nFixedCols, GVIS_FIXEDROW);
            }
        }
    }
    m_nFixedRows = n;
    m_nAnchorRow = -1;
    m_idTopLeftCell.row = -1;
    RecalcScrollBars();
    RepaintAll();
    return TRUE;
}

// A cell that enters or leaves the fixed rows (lineBit GVIS_FIXEDROW) or columns
// (GVIS_FIXEDCOL): it keeps GVIS_FIXED while it stays fixed the other way, and
// takes the default colours whenever its fixed state changes.
void CGridCtrl::RestyleFixedCell(CGridCellBase* cell, bool becomesFixed, bool fixedOtherWay, UINT lineBit)
{
    if (becomesFixed) {
        cell->StoreState(cell->StateBits() | GVIS_FIXED | lineBit);
    } else if (fixedOtherWay) {
        cell->StoreState(cell->StateBits() & ~lineBit);
        return;
    } else {
        cell->StoreState(cell->StateBits() & ~(GVIS_FIXED | lineBit));
    }
    cell->StoreBackColour(CLR_DEFAULT_CELL);
    cell->StoreTextColour(CLR_DEFAULT_CELL);
}

BOOL CGridCtrl::ChangeFixedColumnTotal(int n)
{
    if (n < 0)
        return FALSE;
    if (n == m_nFixedCols)
        return TRUE;
    ClearSelectionAndFocus();
    if (n > m_nCols && !ChangeColumnTotal(n))
        return FALSE;
    if (m_idCurrentCell.col != -1 && m_idCurrentCell.col < n)
        MoveFocusTo(-1, -1);
    if (!m_bVirtualMode) {
        const int low = std::min(n, m_nFixedCols);
        const int high = std::max(n, m_nFixedCols);
        for (int row = 0; row < m_nRows; ++row) {
            for (int col = low; col < high && col < m_nCols; ++col) {
                CGridCellBase* cell = StoredCell(row, col);
                if (!cell)
                    continue;
                RestyleFixedCell(cell, n > m_nFixedCols, row < m_nFixedRows, GVIS_FIXEDCOL);
            }
        }
    }
    m_nFixedCols = n;
    m_nAnchorCol = -1;
    m_idTopLeftCell.row = -1;
    RecalcScrollBars();
    RepaintAll();
    return TRUE;
}

BOOL CGridCtrl::ChangeRowTotal(int n)
{
    AssertUiThread();
    if (n < 0)
        return FALSE;
    if (n == m_nRows)
        return TRUE;
    m_idTopLeftCell.row = -1;
    if (m_idCurrentCell.row >= n)
        MoveFocusTo(-1, -1);
    if (n < m_nFixedRows)
        m_nFixedRows = n;
    if (m_nAnchorRow >= n)
        m_nAnchorRow = -1;
    BOOL ok = TRUE;
    try {
        if (n < m_nRows) {
            for (int row = n; row < m_nRows; ++row) {
                if (!m_bVirtualMode) {
                    for (int col = 0; col < m_nCols; ++col)
                        DisposeCell(row, col);
                    delete m_RowData[static_cast<size_t>(row)];
                }
            }
            if (!m_bVirtualMode)
                m_RowData.resize(static_cast<size_t>(n));
            for (int row = n; row < m_nRows; ++row)
                m_nTotalHeight -= m_arRowHeights[row];
            m_arRowHeights.SetSize(n);
            m_nRows = n;
        } else {
            m_arRowHeights.SetSize(n);
            const UINT height = static_cast<UINT>(m_cellDefault.DefaultHeight());
            for (int row = m_nRows; row < n; ++row) {
                if (!m_bVirtualMode) {
                    auto cells = std::make_unique<CellRow>(static_cast<size_t>(m_nCols), nullptr);
                    for (int col = 0; col < m_nCols; ++col)
                        (*cells)[static_cast<size_t>(col)] = MakeCell(row, col);
                    m_RowData.push_back(cells.release());
                }
                m_arRowHeights[row] = height;
                m_nTotalHeight += height;
                m_nRows = row + 1;
            }
        }
    } catch (CMemoryException* e) {
        e->Delete();
        ok = FALSE;
    } catch (const std::bad_alloc&) {
        ok = FALSE;
    }
    if (!ok) {
        // Keep the size array describing exactly the rows that exist.
        if (m_arRowHeights.GetSize() > m_nRows)
            m_arRowHeights.SetSize(m_nRows);
    }
    MarkModified(TRUE);
    RecalcScrollBars();
    RepaintAll();
    return ok;
}

BOOL CGridCtrl::ChangeColumnTotal(int n)
{
    AssertUiThread();
    if (n < 0)
        return FALSE;
    if (n == m_nCols)
        return TRUE;
    m_idTopLeftCell.row = -1;
    if (m_idCurrentCell.col >= n)
        MoveFocusTo(-1, -1);
    if (n < m_nFixedCols)
        m_nFixedCols = n;
    if (m_nAnchorCol >= n)
        m_nAnchorCol = -1;
    const int old = m_nCols;
    BOOL ok = TRUE;
    int built = old;
    try {
        if (n < old) {
            if (!m_bVirtualMode) {
                for (int row = 0; row < m_nRows; ++row) {
                    for (int col = n; col < old; ++col)
                        DisposeCell(row, col);
                    if (CellRow* cells = m_RowData[static_cast<size_t>(row)])
                        cells->resize(static_cast<size_t>(n));
                }
            }
            for (int col = n; col < old; ++col)
                m_nTotalWidth -= m_arColWidths[col];
            m_arColWidths.SetSize(n);
            built = n;
        } else {
            m_arColWidths.SetSize(n);
            const UINT width = static_cast<UINT>(m_cellFixedColDef.DefaultWidth());
            for (int col = old; col < n; ++col) {
                m_arColWidths[col] = width;
                m_nTotalWidth += width;
            }
            if (!m_bVirtualMode) {
                // Column by column, so a failure leaves whole columns behind.
                for (int col = old; col < n; ++col) {
                    m_nCols = col + 1;
                    for (int row = 0; row < m_nRows; ++row)
                        if (CellRow* cells = m_RowData[static_cast<size_t>(row)])
                            cells->push_back(MakeCell(row, col));
                    built = col + 1;
                }
            }
            built = n;
        }
    } catch (CMemoryException* e) {
        e->Delete();
        ok = FALSE;
    } catch (const std::bad_alloc&) {
        ok = FALSE;
    }
    if (!ok) {
        for (int row = 0; row < m_nRows; ++row)
            if (CellRow* cells = m_RowData[static_cast<size_t>(row)]; cells && cells->size() > static_cast<size_t>(built)) {
                for (size_t col = static_cast<size_t>(built); col < cells->size(); ++col)
                    delete (*cells)[col];
                cells->resize(static_cast<size_t>(built));
            }
        for (int col = built; col < m_arColWidths.GetSize(); ++col)
            m_nTotalWidth -= m_arColWidths[col];
        if (m_arColWidths.GetSize() > built)
            m_arColWidths.SetSize(built);
    }
    m_nCols = built;
    MarkModified(TRUE);
    RecalcScrollBars();
    RepaintAll();
    return ok;
}

BOOL CGridCtrl::RemoveAllCells()
{
    AssertUiThread();
    ClearSelectionAndFocus();
    m_arColWidths.RemoveAll();
    m_arRowHeights.RemoveAll();
    if (!m_bVirtualMode) {
        for (int row = 0; row < m_nRows && static_cast<size_t>(row) < m_RowData.size(); ++row) {
            if (CellRow* cells = m_RowData[static_cast<size_t>(row)]) {
                for (int col = 0; col < static_cast<int>(cells->size()); ++col)
                    DisposeCell(row, col);
                delete cells;
            }
        }
        m_RowData.clear();
    }
    m_idCurrentCell = CGridCellAddress();
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    m_nTotalHeight = m_nTotalWidth = 0;
    m_nAnchorRow = m_nAnchorCol = -1;
    RecalcScrollBars();
    MarkModified(TRUE);
    return TRUE;
}

BOOL CGridCtrl::FitColumnToCells(int col, UINT style, BOOL bResetScroll)
{
    if (col < 0 || col >= m_nCols || ColumnWidth(col) <= 0)
        return FALSE;
    if (style == 0)
        style = static_cast<UINT>(m_nAutoSizeColumnStyle);
    const int first = (style & 1) ? 0 : m_nFixedRows;
    const int last = (style & 2) ? m_nRows - 1 : m_nFixedRows - 1;
    CDC* pDC = GetSafeHwnd() ? GetDC() : nullptr;
    if (!pDC)
        return FALSE;
    if (m_bVirtualMode)
        AnnounceCellBlock(CGridCellBlock(first, col, last, col));
    int width = 0;
    for (int row = first; row <= last; ++row)
        if (CGridCellBase* cell = CellAt(row, col))
            width = std::max(width, static_cast<int>(cell->MeasureCell(pDC).cx));
    if (m_bVirtualMode)
        AnnounceCellBlock(CGridCellBlock());
    ReleaseDC(pDC);
    // With no cell measured the width stays: 0 would hide the column for good,
    // as a hidden column is never fitted.
    if (width <= 0)
        return FALSE;
    StoreColumnWidth(col, static_cast<UINT>(width));
    if (bResetScroll)
        RecalcScrollBars();
    return TRUE;
}

BOOL CGridCtrl::FitRowToCells(int row, BOOL bResetScroll)
{
    if (row < 0 || row >= m_nRows || RowHeight(row) <= 0)
        return FALSE;
    CDC* pDC = GetSafeHwnd() ? GetDC() : nullptr;
    if (!pDC)
        return FALSE;
    if (m_bVirtualMode)
        AnnounceCellBlock(CGridCellBlock(row, 0, row, m_nCols - 1));
    int height = 0;
    for (int col = 0; col < m_nCols; ++col)
        if (CGridCellBase* cell = CellAt(row, col))
            height = std::max(height, static_cast<int>(cell->MeasureCell(pDC).cy));
    if (m_bVirtualMode)
        AnnounceCellBlock(CGridCellBlock());
    ReleaseDC(pDC);
    if (height <= 0)
        return FALSE;  // no cell measured: the height stays, as a column's width does
    StoreRowHeight(row, static_cast<UINT>(height));
    if (bResetScroll)
        RecalcScrollBars();
    return TRUE;
}

// ---- geometry ------------------------------------------------------------

void CGridCtrl::MoveAnchor(bool vertical, int target)
{
    const int fixed = vertical ? m_nFixedRows : m_nFixedCols;
    const int count = vertical ? m_nRows : m_nCols;
    const CUIntArray& sizes = vertical ? m_arRowHeights : m_arColWidths;
    int& index = vertical ? m_nAnchorRow : m_nAnchorCol;
    LONGLONG& pos = vertical ? m_nAnchorRowPos : m_nAnchorColPos;
    if (index < fixed || index >= count) {
        index = fixed;
        pos = 0;
    }
    // The first line whose start lies at or after the target, never past the last.
    while (pos < target && index < count - 1)
        pos += sizes[index++];
    while (index > fixed && pos - sizes[index - 1] >= target)
        pos -= sizes[--index];
}

CGridCellAddress CGridCtrl::FirstScrolledCell(BOOL bForceRecalc)
{
    if (m_idTopLeftCell.row < 0 || m_idTopLeftCell.col < 0 || bForceRecalc) {
        MoveAnchor(false, ScrollOffset(SB_HORZ));
        MoveAnchor(true, ScrollOffset(SB_VERT));
        m_idTopLeftCell = CGridCellAddress(m_nRows > m_nFixedRows ? m_nAnchorRow : m_nFixedRows,
                                           m_nCols > m_nFixedCols ? m_nAnchorCol : m_nFixedCols);
    }
    return m_idTopLeftCell;
}

CGridCellAddress CGridCtrl::CellUnderPoint(CPoint point, BOOL bAllowFixed)
{
    CGridCellAddress topLeft = FirstScrolledCell();
    if (!bAllowFixed && !IsInsideGrid(topLeft))
        return CGridCellAddress();
    auto locate = [&](int coord, int fixedCount, int fixedSize, int first, int count, const CUIntArray& sizes) {
        if (coord < 0)
            return -1;
        if (bAllowFixed && coord < fixedSize) {
            int edge = 0;
            for (int i = 0; i < fixedCount; ++i) {
                edge += static_cast<int>(sizes[i]);
                if (edge > coord)
                    return i;
            }
            return -1;
        }
        if (coord < fixedSize || first >= count)
            return -1;
        int edge = fixedSize;
        for (int i = first; i < count; ++i) {
            edge += static_cast<int>(sizes[i]);
            if (edge > coord)
                return i;
        }
        return -1;
    };
    CGridCellAddress cell;
    cell.col = locate(point.x, m_nFixedCols, SumFixedColumnWidths(), topLeft.col, m_nCols, m_arColWidths);
    cell.row = locate(point.y, m_nFixedRows, SumFixedRowHeights(), topLeft.row, m_nRows, m_arRowHeights);
    if (cell.row < 0 || cell.col < 0)
        return CGridCellAddress();
    return cell;
}

CGridCellBlock CGridCtrl::ShownCellBlock(LPRECT pRect, BOOL bForceRecalc)
{
    CRect client(0, 0, 0, 0);
    if (GetSafeHwnd())
        GetClientRect(&client);
    CGridCellAddress topLeft = FirstScrolledCell(bForceRecalc);
    int bottom = SumFixedRowHeights();
    int row = topLeft.row;
    for (; row < m_nRows; ++row) {
        bottom += static_cast<int>(m_arRowHeights[row]);
        if (bottom >= client.bottom) {
            bottom = client.bottom;
            break;
        }
    }
    int right = SumFixedColumnWidths();
    int col = topLeft.col;
    for (; col < m_nCols; ++col) {
        right += static_cast<int>(m_arColWidths[col]);
        if (right >= client.right) {
            right = client.right;
            break;
        }
    }
    const int maxRow = std::min(row, m_nRows - 1);
    const int maxCol = std::min(col, m_nCols - 1);
    if (pRect)
        ::SetRect(pRect, 0, 0, right, bottom);
    return CGridCellBlock(topLeft.row, topLeft.col, maxRow, maxCol);
}

BOOL CGridCtrl::CellTopLeft(int row, int col, LPPOINT p)
{
    if (!IsInsideGrid(row, col) || !p)
        return FALSE;
    CGridCellAddress topLeft;
    if (row >= m_nFixedRows || col >= m_nFixedCols)
        topLeft = FirstScrolledCell();
    if ((col >= m_nFixedCols && col < topLeft.col) || (row >= m_nFixedRows && row < topLeft.row))
        return FALSE;
    int x = 0;
    if (col < m_nFixedCols) {
        for (int i = 0; i < col; ++i)
            x += static_cast<int>(m_arColWidths[i]);
    } else {
        x = SumFixedColumnWidths();
        for (int i = topLeft.col; i < col; ++i)
            x += static_cast<int>(m_arColWidths[i]);
    }
    int y = 0;
    if (row < m_nFixedRows) {
        for (int i = 0; i < row; ++i)
            y += static_cast<int>(m_arRowHeights[i]);
    } else {
        y = SumFixedRowHeights();
        for (int i = topLeft.row; i < row; ++i)
            y += static_cast<int>(m_arRowHeights[i]);
    }
    p->x = x;
    p->y = y;
    return TRUE;
}

BOOL CGridCtrl::CellBounds(int row, int col, LPRECT pRect)
{
    CPoint origin;
    if (!pRect || !CellTopLeft(row, col, &origin))
        return FALSE;
    ::SetRect(pRect, origin.x, origin.y, origin.x + ColumnWidth(col) - 1, origin.y + RowHeight(row) - 1);
    return TRUE;
}

BOOL CGridCtrl::IsCellShown(int row, int col)
{
    if (!GetSafeHwnd() || !IsInsideGrid(row, col))
        return FALSE;
    CGridCellAddress topLeft = FirstScrolledCell();
    if ((col >= m_nFixedCols && col < topLeft.col) || (row >= m_nFixedRows && row < topLeft.row))
        return FALSE;
    CRect client;
    GetClientRect(&client);
    auto shown = [](int index, int fixedCount, int fixedSize, int first, const CUIntArray& sizes, int limit) {
        int edge = index < fixedCount ? 0 : fixedSize;
        for (int i = index < fixedCount ? 0 : first; i <= index; ++i) {
            if (edge >= limit)
                return false;
            edge += static_cast<int>(sizes[i]);
        }
        return true;
    };
    return shown(col, m_nFixedCols, SumFixedColumnWidths(), topLeft.col, m_arColWidths, client.right) &&
           shown(row, m_nFixedRows, SumFixedRowHeights(), topLeft.row, m_arRowHeights, client.bottom);
}

BOOL CGridCtrl::MarkCellDirty(int row, int col)
{
    if (!GetSafeHwnd() || !m_bAllowDraw || !IsInsideGrid(row, col) || !IsCellShown(row, col))
        return FALSE;
    CRect rect;
    if (!CellBounds(row, col, &rect))
        return FALSE;
    rect.right++;
    rect.bottom++;
    InvalidateRect(&rect, TRUE);
    return TRUE;
}

void CGridCtrl::RepaintAll()
{
    // Invalidating costs a round trip to the window system; a client area that
    // is wholly invalid already needs no second one before it is painted.
    if (GetSafeHwnd() && m_bAllowDraw && !m_bClientInvalid) {
        Invalidate(TRUE);
        m_bClientInvalid = TRUE;
    }
}

void CGridCtrl::RepaintScrollBars(int nBar)
{
    // Drawing a scroll bar at once on every change is slow: only the bar's own
    // strip of the frame is invalidated, once until it has been drawn.
    const UINT bit = nBar == SB_VERT ? 0x02u : 0x01u;
    if (!GetSafeHwnd() || (m_nBarsInvalid & bit))
        return;
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetScrollBarInfo(GetSafeHwnd(), nBar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &info) ||
        (info.rgstate[0] & STATE_SYSTEM_INVISIBLE))
        return;
    CRect strip(info.rcScrollBar);
    ScreenToClient(&strip);
    ::RedrawWindow(GetSafeHwnd(), &strip, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
    m_nBarsInvalid |= bit;
}

void CGridCtrl::ShiftScrolledArea(bool vertical, LONGLONG before, const CRect& scrolled)
{
    // A line scroll moves the pixels already painted and paints only the
    // line that comes into view.
    FirstScrolledCell();
    const LONGLONG delta = (vertical ? m_nAnchorRowPos : m_nAnchorColPos) - before;
    if (delta == 0 || !m_bAllowDraw || m_bClientInvalid)
        return;
    if (delta >= (vertical ? scrolled.Height() : scrolled.Width()) || -delta >= (vertical ? scrolled.Height() : scrolled.Width())) {
        InvalidateRect(&scrolled);
        return;
    }
    const int shift = static_cast<int>(-delta);
    ::ScrollWindowEx(GetSafeHwnd(), vertical ? 0 : shift, vertical ? shift : 0, &scrolled, &scrolled, nullptr, nullptr,
                     SW_INVALIDATE);
}

void CGridCtrl::OnNcPaint()
{
    m_nBarsInvalid = 0;
    Default();
}

void CGridCtrl::ScrollCellIntoView(int row, int col)
{
    if (!m_bAllowDraw || !IsInsideGrid(row, col) || !GetSafeHwnd())
        return;
    HWND focus = ::GetFocus();
    CGridCellBlock shown = ShownCellBlock();
    if (col >= m_nFixedCols) {
        for (int c = shown.maxCol + 1; c <= col; ++c)
            if (m_arColWidths[c] > 0)
                SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        for (int c = shown.minCol - 1; c >= col; --c)
            if (m_arColWidths[c] > 0)
                SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
    }
    if (row >= m_nFixedRows) {
        for (int r = shown.maxRow + 1; r <= row; ++r)
            if (m_arRowHeights[r] > 0)
                SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        for (int r = shown.minRow - 1; r >= row; --r)
            if (m_arRowHeights[r] > 0)
                SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    }
    CRect client;
    GetClientRect(&client);
    CRect rect;
    // Each loop ends once a step no longer moves the view.
    while (CellBounds(row, col, &rect) && rect.right > client.right && SumFixedColumnWidths() < rect.left &&
           (m_nBarState & 0x01)) {
        const int before = ScrollOffset(SB_HORZ);
        SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        if (ScrollOffset(SB_HORZ) == before)
            break;
    }
    while (CellBounds(row, col, &rect) && rect.bottom > client.bottom && SumFixedRowHeights() < rect.top &&
           (m_nBarState & 0x02)) {
        const int before = ScrollOffset(SB_VERT);
        SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        if (ScrollOffset(SB_VERT) == before)
            break;
    }
    if (focus && ::IsWindow(focus))
        ::SetFocus(focus);
}

void CGridCtrl::RecalcScrollBars()
{
    m_idTopLeftCell.row = -1;
    if (!m_bAllowDraw || !GetSafeHwnd())
        return;
    CRect rect;
    GetClientRect(&rect);
    if (rect.Width() == 0 || rect.Height() == 0)
        return;
    if (m_nBarState & 0x02)
        rect.right += ::GetSystemMetrics(SM_CXVSCROLL) + ::GetSystemMetrics(SM_CXBORDER);
    if (m_nBarState & 0x01)
        rect.bottom += ::GetSystemMetrics(SM_CYHSCROLL) + ::GetSystemMetrics(SM_CYBORDER);
    const int fixedWidth = SumFixedColumnWidths();
    const int fixedHeight = SumFixedRowHeights();
    CRect free = rect;
    free.left += fixedWidth;
    free.top += fixedHeight;
    if (free.left >= free.right || free.top >= free.bottom) {
        ::ShowScrollBar(GetSafeHwnd(), SB_BOTH, FALSE);
        return;
    }
    const long long scrollHeight = static_cast<long long>(m_nTotalHeight) - fixedHeight;
    const long long scrollWidth = static_cast<long long>(m_nTotalWidth) - fixedWidth;
    if (rect.bottom - fixedHeight < scrollHeight)
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (rect.right - fixedWidth < scrollWidth)
        rect.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    const int visibleWidth = rect.right - fixedWidth;
    const int visibleHeight = rect.bottom - fixedHeight;
    if (visibleHeight < scrollHeight) {
        ToggleScrollBars(SB_VERT, TRUE);
        m_nVScrollMax = static_cast<int>(std::min<long long>(scrollHeight - 1, INT_MAX));
    } else {
        ToggleScrollBars(SB_VERT, FALSE);
        m_nVScrollMax = 0;
    }
    if (visibleWidth < scrollWidth) {
        ToggleScrollBars(SB_HORZ, TRUE);
        m_nHScrollMax = static_cast<int>(std::min<long long>(scrollWidth - 1, INT_MAX));
    } else {
        ToggleScrollBars(SB_HORZ, FALSE);
        m_nHScrollMax = 0;
    }
    auto setRange = [&](int bar, int maximum, int visible, UINT extra) {
        SCROLLINFO now{};
        now.cbSize = sizeof(now);
        now.fMask = SIF_RANGE | SIF_PAGE;
        const UINT page = maximum >= 1 ? static_cast<UINT>(visible) : 0;
        if (::GetScrollInfo(GetSafeHwnd(), bar, &now) && now.nMin == 0 && now.nMax == maximum && now.nPage == page)
            return;
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | extra;
        si.nMax = maximum;
        si.nPage = page;
        ::SetScrollInfo(GetSafeHwnd(), bar, &si, FALSE);
        RepaintScrollBars(bar);
    };
    setRange(SB_HORZ, m_nHScrollMax, visibleWidth, 0);
    setRange(SB_VERT, m_nVScrollMax, visibleHeight, SIF_DISABLENOSCROLL);
}

void CGridCtrl::ToggleScrollBars(int nBar, BOOL bShow)
{
    const bool horz = nBar == SB_HORZ || nBar == SB_BOTH;
    const bool vert = nBar == SB_VERT || nBar == SB_BOTH;
    if (horz && ((m_nBarState & 0x01) != 0) != (bShow != FALSE)) {
        ::ShowScrollBar(GetSafeHwnd(), SB_HORZ, bShow);
        m_nBarState = bShow ? (m_nBarState | 0x01) : (m_nBarState & ~0x01u);
    }
    if (vert && ((m_nBarState & 0x02) != 0) != (bShow != FALSE)) {
        ::ShowScrollBar(GetSafeHwnd(), SB_VERT, bShow);
        m_nBarState = bShow ? (m_nBarState | 0x02) : (m_nBarState & ~0x02u);
    }
}

int CGridCtrl::ScrollOffset(int nBar, BOOL bGetTrackPos)
{
    if (!GetSafeHwnd())
        return 0;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = bGetTrackPos ? SIF_TRACKPOS : SIF_POS;
    if (!::GetScrollInfo(GetSafeHwnd(), nBar, &si))
        return 0;
    return bGetTrackPos ? si.nTrackPos : si.nPos;
}

BOOL CGridCtrl::MoveScrollOffset(int nBar, int nPos, BOOL bRedraw)
{
    m_idTopLeftCell.row = -1;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS;
    si.nPos = nPos;
    const BOOL set = ::SetScrollInfo(GetSafeHwnd(), nBar, &si, FALSE) != 0;
    if (bRedraw)
        RepaintScrollBars(nBar);
    return set;
}

// ---- scrolling -----------------------------------------------------------

void CGridCtrl::OnSize(UINT nType, int cx, int cy)
{
    static bool busy = false;
    if (busy || !GetSafeHwnd())
        return;
    busy = true;
    // Only the first registration takes effect.
    m_DropTarget.AttachToGrid(this);
    CloseActiveEditor();
    m_TitleTip.HideTip();
    CWnd::OnSize(nType, cx, cy);
    RecalcScrollBars();
    busy = false;
}

void CGridCtrl::OnDestroy()
{
    // OLE holds the drop target while the window is registered.
    m_DropTarget.Revoke();
    m_TitleTip.DestroyWindow();
    CWnd::OnDestroy();
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    ScrollOneAxis(false, nSBCode);
}

void CGridCtrl::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    ScrollOneAxis(true, nSBCode);
}

void CGridCtrl::ScrollOneAxis(bool vertical, UINT code)
{
    CloseActiveEditor();
    m_TitleTip.HideTip();
    const int bar = vertical ? SB_VERT : SB_HORZ;
    const int pos = ScrollOffset(bar);
    const CGridCellAddress topLeft = FirstScrolledCell();
    const LONGLONG before = vertical ? m_nAnchorRowPos : m_nAnchorColPos;
    CRect client;
    GetClientRect(&client);
    if (code > SB_BOTTOM)
        return;
    const int maximum = vertical ? m_nVScrollMax : m_nHScrollMax;
    const int fixedCount = vertical ? m_nFixedRows : m_nFixedCols;
    const int count = vertical ? m_nRows : m_nCols;
    const int fixedSize = vertical ? SumFixedRowHeights() : SumFixedColumnWidths();
    const CUIntArray& sizes = vertical ? m_arRowHeights : m_arColWidths;
    const int first = vertical ? topLeft.row : topLeft.col;
    CRect scrolled = client;
    if (vertical)
        scrolled.top = fixedSize;
    else
        scrolled.left = fixedSize;
    const int page = (vertical ? client.Height() : client.Width()) - fixedSize;

    switch (code) {
    case SB_LINEDOWN: // SB_LINERIGHT
        if (pos < maximum) {
            int i = first;
            while (i < count - 1 && i >= 0 && sizes[i] == 0)
                ++i;
            if (i >= 0 && i < count) {
                MoveScrollOffset(bar, pos + static_cast<int>(sizes[i]));
                ShiftScrolledArea(vertical, before, scrolled);
            }
        }
        break;
    case SB_LINEUP: // SB_LINELEFT
        if (pos >= 1 && first > fixedCount) {
            int i = first - 1;
            while (i > fixedCount && sizes[i] == 0)
                --i;
            MoveScrollOffset(bar, std::max(0, pos - static_cast<int>(sizes[i])));
            ShiftScrolledArea(vertical, before, scrolled);
        }
        break;
    case SB_PAGEDOWN:
        if (pos < maximum) {
            MoveScrollOffset(bar, std::min(maximum, pos + page));
            InvalidateRect(&scrolled);
        }
        break;
    case SB_PAGEUP:
        if (pos >= 1) {
            MoveScrollOffset(bar, std::max(0, pos - page));
            InvalidateRect(&scrolled);
        }
        break;
    case SB_TOP:
        if (pos > 0) {
            MoveScrollOffset(bar, 0);
            RepaintAll();
        }
        break;
    case SB_BOTTOM:
        if (pos < maximum) {
            MoveScrollOffset(bar, maximum);
            RepaintAll();
        }
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        MoveScrollOffset(bar, ScrollOffset(bar, TRUE));
        if (FirstScrolledCell() != topLeft)
            InvalidateRect(&scrolled);
        break;
    default:
        break;
    }
}

// ---- cell access ---------------------------------------------------------

BOOL CGridCtrl::ApplyCellRecord(const GridCellRecord* r)
{
    AssertUiThread();
    if (!r || m_bVirtualMode || !IsInsideGrid(r->row, r->col))
        return FALSE;
    CGridCellBase* cell = StoredCell(r->row, r->col);
    if (!cell)
        return FALSE;
    MarkModified(TRUE, r->row, r->col);
    if (r->mask & GVIF_TEXT)
        cell->StoreText(r->strText);
    if (r->mask & GVIF_PARAM)
        cell->StoreDataValue(r->lParam);
    if (r->mask & GVIF_IMAGE)
        cell->StoreImage(r->iImage);
    if (r->mask & GVIF_STATE)
        ChangeCellState(r->row, r->col, r->nState);
    if (r->mask & GVIF_FORMAT)
        cell->StoreFormat(r->nFormat);
    if (r->mask & GVIF_BKCLR)
        cell->StoreBackColour(r->crBkClr);
    if (r->mask & GVIF_FGCLR)
        cell->StoreTextColour(r->crFgClr);
    if (r->mask & GVIF_FONT)
        cell->StoreFont(&r->lfFont);
    if (r->mask & GVIF_MARGIN)
        cell->StoreMargin(r->nMargin);
    return TRUE;
}

BOOL CGridCtrl::ChangeCellText(int row, int col, LPCTSTR text)
{
    AssertUiThread();
    CGridCellBase* cell = m_bVirtualMode ? nullptr : StoredCell(row, col);
    if (!cell)
        return FALSE;
    cell->StoreText(text);
    MarkModified(TRUE, row, col);
    return TRUE;
}

BOOL CGridCtrl::ChangeCellImage(int row, int col, int image)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : StoredCell(row, col);
    if (!cell)
        return FALSE;
    cell->StoreImage(image);
    MarkModified(TRUE, row, col);
    return TRUE;
}

BOOL CGridCtrl::ChangeCellBackColour(int row, int col, COLORREF colour)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : StoredCell(row, col);
    if (!cell)
        return FALSE;
    cell->StoreBackColour(colour);
    return TRUE;
}

BOOL CGridCtrl::ChangeCellTextColour(int row, int col, COLORREF colour)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : StoredCell(row, col);
    if (!cell)
        return FALSE;
    cell->StoreTextColour(colour);
    return TRUE;
}

BOOL CGridCtrl::ChangeCellFont(int row, int col, const LOGFONTW* font)
{
    CGridCellBase* cell = m_bVirtualMode ? nullptr : StoredCell(row, col);
    if (!cell)
        return FALSE;
    cell->StoreFont(font);
    return TRUE;
}

CString CGridCtrl::CellTextAt(int row, int col) const
{
    CGridCellBase* cell = CellAt(row, col);
    return cell ? CString(cell->CellText()) : CString();
}

LPARAM CGridCtrl::CellDataAt(int row, int col) const
{
    CGridCellBase* cell = CellAt(row, col);
    return cell ? cell->DataValue() : 0;
}

UINT CGridCtrl::CellStateAt(int row, int col) const
{
    CGridCellBase* cell = CellAt(row, col);
    return cell ? cell->StateBits() : 0;
}

BOOL CGridCtrl::IsCellBeingEdited(int row, int col) const
{
    CGridCellBase* cell = CellAt(row, col);
    return cell ? cell->IsBeingEdited() : FALSE;
}

BOOL CGridCtrl::ChangeCellState(int row, int col, UINT state)
{
    const BOOL selected = IsCellInSelection(row, col);
    if (selected && !(state & GVIS_SELECTED))
        m_SelectedCellMap.RemoveKey(SelectionKey(row, col));
    else if (!selected && (state & GVIS_SELECTED))
        m_SelectedCellMap.SetAt(SelectionKey(row, col), CGridCellAddress(row, col));
    if (m_bVirtualMode)
        return FALSE;
    CGridCellBase* cell = StoredCell(row, col);
    if (!cell)
        return FALSE;
    cell->StoreState(state);
    return TRUE;
}

BOOL CGridCtrl::IsCellInSelection(int row, int col) const
{
    if (!m_bEnableSelection)
        return FALSE;
    if (m_bVirtualMode) {
        CGridCellAddress found;
        return m_SelectedCellMap.Lookup(SelectionKey(row, col), found);
    }
    CGridCellBase* cell = StoredCell(row, col);
    return cell && (cell->StateBits() & GVIS_SELECTED);
}

BOOL CGridCtrl::CanEditCell(int row, int col) const
{
    return m_bEditable && !(CellStateAt(row, col) & GVIS_READONLY);
}

void CGridCtrl::MarkModified(BOOL bModified, int row, int col)
{
    if (col < 0 || col == m_nSortColumn)
        MarkSortColumn(-1);
    if (row < 0 || col < 0) {
        m_bModified = bModified;
    } else if (CGridCellBase* cell = StoredCell(row, col)) {
        if (bModified) {
            cell->StoreState(cell->StateBits() | GVIS_MODIFIED);
            m_bModified = TRUE;
        } else {
            cell->StoreState(cell->StateBits() & ~GVIS_MODIFIED);
        }
    }
    if (!m_bModified && !m_bVirtualMode) {
        for (int r = 0; r < m_nRows; ++r)
            for (int c = 0; c < m_nCols; ++c)
                if (CGridCellBase* cell = StoredCell(r, c))
                    cell->StoreState(cell->StateBits() & ~GVIS_MODIFIED);
    }
}

void CGridCtrl::MarkSortColumn(int col)
{
    if (m_nSortColumn >= 0)
        MarkCellDirty(0, m_nSortColumn);
    m_nSortColumn = col;
    if (col >= 0)
        MarkCellDirty(0, col);
}

int CALLBACK CGridCtrl::CompareCellTexts(const CGridCellBase* first, const CGridCellBase* second, LPARAM)
{
    if (!first || !second)
        return 0;
    return wcscmp(first->CellText(), second->CellText());
}

BOOL CGridCtrl::SortByColumnText(int col, BOOL bAscending, LPARAM data)
{
    return SortWithCompare(m_pfnCompare ? m_pfnCompare : &CGridCtrl::CompareCellTexts, col, bAscending, data);
}

BOOL CGridCtrl::SortWithCompare(GridCompareFunc compare, int col, BOOL bAscending, LPARAM data)
{
    MarkSortColumn(col);
    m_bAscending = bAscending;
    ClearSelectionAndFocus();
    MoveFocusTo(-1, -1);
    const bool sorted = SortRange(compare, col, bAscending, data, m_nFixedRows, m_nRows - 1);
    m_nAnchorRow = -1;
    m_idTopLeftCell.row = -1;
    RepaintAll();
    return sorted;
}

void CGridCtrl::SwapRows(int first, int second)
{
    if (!m_bVirtualMode) {
        std::swap(m_RowData[static_cast<size_t>(first)], m_RowData[static_cast<size_t>(second)]);
        for (int col = 0; col < m_nCols; ++col) {
            if (CGridCellBase* cell = StoredCell(first, col))
                cell->NotePosition(first, col);
            if (CGridCellBase* cell = StoredCell(second, col))
                cell->NotePosition(second, col);
        }
    }
    std::swap(m_arRowHeights[first], m_arRowHeights[second]);
}

bool CGridCtrl::SortRange(GridCompareFunc compare, int col, BOOL bAscending, LPARAM data, int low, int high)
{
    if (col < 0 || col >= m_nCols || high <= low)
        return false;
    // Recursing into the smaller part and looping on the larger keeps the
    // stack depth logarithmic.
    while (low < high) {
        // The rows move while partitioning and virtual cells are reused, so
        // compare against a copy of the pivot.
        CGridCell pivot;
        if (CGridCellBase* source = CellAt((low + high) / 2, col))
            pivot.AssignFrom(*source);
        int i = low;
        int j = high;
        auto cmp = [&](int row, const CGridCellBase* other) {
            CGridCell copy;
            CGridCellBase* cell = CellAt(row, col);
            if (!cell)
                return compare(nullptr, other, data);
            copy.AssignFrom(*cell);
            return compare(&copy, other, data);
        };
        while (i <= j) {
            if (bAscending) {
                while (i < high && cmp(i, &pivot) < 0)
                    ++i;
                while (j > low && cmp(j, &pivot) > 0)
                    --j;
            } else {
                while (i < high && cmp(i, &pivot) > 0)
                    ++i;
                while (j > low && cmp(j, &pivot) < 0)
                    --j;
            }
            if (i <= j) {
                CGridCell other;
                if (CGridCellBase* cell = CellAt(j, col))
                    other.AssignFrom(*cell);
                if (cmp(i, CellAt(j, col) ? &other : nullptr) != 0)
                    SwapRows(i, j);
                ++i;
                --j;
            }
        }
        if (j - low < high - i) {
            if (low < j)
                SortRange(compare, col, bAscending, data, low, j);
            low = i;
        } else {
            if (i < high)
                SortRange(compare, col, bAscending, data, i, high);
            high = j;
        }
    }
    return true;
}

LRESULT CGridCtrl::OnSetFontMessage(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = Default();
    LOGFONTW lf{};
    if (wParam && ::GetObjectW(reinterpret_cast<HFONT>(wParam), sizeof(lf), &lf)) {
        for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedRowDef, &m_cellFixedColDef, &m_cellFixedRowColDef})
            cell->StoreFont(&lf);
        RepaintAll();
    }
    (void)lParam;
    return result;
}

LRESULT CGridCtrl::OnGetFontMessage(WPARAM, LPARAM)
{
    CFont* font = m_cellDefault.FontToSelect();
    return reinterpret_cast<LRESULT>(font ? font->GetSafeHandle() : nullptr);
}

// ---- focus and selection -------------------------------------------------

CGridCellAddress CGridCtrl::MoveFocusTo(int row, int col)
{
    const CGridCellAddress previous = m_idCurrentCell;
    if (CGridCellAddress(row, col) == previous)
        return previous;
    if (row != -1 && row < m_nFixedRows)
        row = m_nFixedRows;
    if (col != -1 && col < m_nFixedCols)
        col = m_nFixedCols;
    m_idCurrentCell = CGridCellAddress(row, col);
    auto redrawHeaders = [&](const CGridCellAddress& cell) {
        if (!m_bTrackFocusCell)
            return;
        if (previous.col != m_idCurrentCell.col)
            for (int r = 0; r < m_nFixedRows; ++r)
                RepaintCellNow(r, cell.col);
        if (previous.row != m_idCurrentCell.row)
            for (int c = 0; c < m_nFixedCols; ++c)
                RepaintCellNow(cell.row, c);
    };
    if (IsInsideGrid(previous)) {
        ChangeCellState(previous.row, previous.col, CellStateAt(previous.row, previous.col) & ~GVIS_FOCUSED);
        RepaintCellNow(previous);
        redrawHeaders(previous);
    }
    if (IsInsideGrid(m_idCurrentCell)) {
        ChangeCellState(row, col, CellStateAt(row, col) | GVIS_FOCUSED);
        RepaintCellNow(m_idCurrentCell);
        redrawHeaders(m_idCurrentCell);
    }
    return previous;
}

void CGridCtrl::RepaintOrInvalidate(int row, int col, CDC* pDC, bool visible)
{
    if (!visible)
        return;
    if (pDC)
        RepaintCellNow(row, col, pDC);
    else
        MarkCellDirty(row, col);
}

void CGridCtrl::SelectBlock(int minRow, int minCol, int maxRow, int maxCol, BOOL bForceRepaint, BOOL bSelect)
{
    if (!m_bEnableSelection)
        return;
    HCURSOR oldCursor = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    CDC* pDC = (bForceRepaint && GetSafeHwnd()) ? GetDC() : nullptr;
    CGridCellBlock shown;
    if (GetSafeHwnd())
        shown = ShownCellBlock();
    auto visible = [&](int r, int c) { return shown.Contains(r, c); };
    if (minRow >= 0 && minRow < m_nFixedRows)
        minRow = m_nFixedRows;
    if (maxRow >= 0 && maxRow < m_nFixedRows)
        maxRow = m_nFixedRows;
    if (minCol >= 0 && minCol < m_nFixedCols)
        minCol = m_nFixedCols;
    if (maxCol >= 0 && maxCol < m_nFixedCols)
        maxCol = m_nFixedCols;
    const CGridCellBlock block(minRow, minCol, maxRow, maxCol);
    bool done = false;
    if (bSelect) {
        std::vector<std::pair<ULONGLONG, CGridCellAddress>> entries;
        entries.reserve(static_cast<size_t>(m_SelectedCellMap.GetCount()));
        for (POSITION pos = m_SelectedCellMap.GetStartPosition(); pos;) {
            ULONGLONG key;
            CGridCellAddress cell;
            m_SelectedCellMap.GetNextAssoc(pos, key, cell);
            entries.emplace_back(key, cell);
        }
        for (const auto& [key, cell] : entries) {
            if (IsInsideGrid(cell)) {
                ChangeCellState(cell.row, cell.col, CellStateAt(cell.row, cell.col) & ~GVIS_SELECTED);
                if (!block.Contains(cell.row, cell.col))
                    RepaintOrInvalidate(cell.row, cell.col, pDC, visible(cell.row, cell.col));
            } else {
                m_SelectedCellMap.RemoveKey(key);
            }
        }
        if (!(m_bListMode && m_bSingleRowSelection)) {
            if (minRow < 0) {
                done = true;
            } else if (block.IsValid()) {
                for (POSITION pos = m_PrevSelectedCellMap.GetStartPosition(); pos;) {
                    ULONGLONG key;
                    CGridCellAddress cell;
                    m_PrevSelectedCellMap.GetNextAssoc(pos, key, cell);
                    if (!IsInsideGrid(cell))
                        continue;
                    ChangeCellState(cell.row, cell.col, CellStateAt(cell.row, cell.col) | GVIS_SELECTED);
                    RepaintOrInvalidate(cell.row, cell.col, pDC, visible(cell.row, cell.col));
                }
            }
        }
    }
    if (!done && block.IsValid() && maxRow < m_nRows && maxCol < m_nCols && maxCol >= minCol) {
        for (int r = minRow; r <= maxRow; ++r) {
            for (int c = minCol; c <= maxCol; ++c) {
                const UINT state = CellStateAt(r, c);
                const BOOL selected = (state & GVIS_SELECTED) != 0 || (m_bVirtualMode && IsCellInSelection(r, c));
                if (selected == (bSelect != FALSE))
                    continue;
                ChangeCellState(r, c, bSelect ? (state | GVIS_SELECTED) : (state & ~GVIS_SELECTED));
                RepaintOrInvalidate(r, c, pDC, visible(r, c));
            }
        }
    }
    if (pDC)
        ReleaseDC(pDC);
    ::SetCursor(oldCursor);
}

void CGridCtrl::SelectEverything()
{
    if (m_bEnableSelection)
        SelectBlock(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1, FALSE, TRUE);
}

void CGridCtrl::ExtendColumnsTo(CGridCellAddress cell, BOOL bForceRedraw, BOOL bSelect)
{
    if (!m_bEnableSelection || cell.col < m_nFixedCols || !IsInsideGrid(cell))
        return;
    if (m_bSingleColSelection)
        SelectBlock(m_nFixedRows, cell.col, m_nRows - 1, cell.col, bForceRedraw, bSelect);
    else
        SelectBlock(m_nFixedRows, std::min(m_SelectionStartCell.col, cell.col), m_nRows - 1,
                    std::max(m_SelectionStartCell.col, cell.col), bForceRedraw, bSelect);
}

void CGridCtrl::ExtendRowsTo(CGridCellAddress cell, BOOL bForceRedraw, BOOL bSelect)
{
    if (!m_bEnableSelection || cell.row < m_nFixedRows || !IsInsideGrid(cell))
        return;
    if (m_bSingleRowSelection && m_bListMode)
        SelectBlock(cell.row, m_nFixedCols, cell.row, m_nCols - 1, bForceRedraw, bSelect);
    else
        SelectBlock(std::min(m_SelectionStartCell.row, cell.row), m_nFixedCols,
                    std::max(m_SelectionStartCell.row, cell.row), m_nCols - 1, bForceRedraw, bSelect);
}

void CGridCtrl::ExtendCellsTo(CGridCellAddress cell, BOOL bForceRedraw, BOOL bSelect)
{
    if (!m_bEnableSelection || cell.row < m_nFixedRows || cell.col < m_nFixedCols || !IsInsideGrid(cell))
        return;
    SelectBlock(std::min(m_SelectionStartCell.row, cell.row), std::min(m_SelectionStartCell.col, cell.col),
                std::max(m_SelectionStartCell.row, cell.row), std::max(m_SelectionStartCell.col, cell.col),
                bForceRedraw, bSelect);
}

void CGridCtrl::ExtendSelectionTo(CGridCellAddress cell)
{
    if (!m_bEnableSelection)
        return;
    switch (m_MouseMode) {
    case kSelectAll:
        SelectEverything();
        break;
    case kSelectColumns:
        ExtendColumnsTo(cell, FALSE, TRUE);
        break;
    case kSelectRows:
        ExtendRowsTo(cell, FALSE, TRUE);
        break;
    case kSelectCells:
        ExtendCellsTo(cell, FALSE, TRUE);
        break;
    default:
        break;
    }
}

CGridCellBlock CGridCtrl::SelectionBounds() const
{
    CGridCellBlock bounds(m_nRows, m_nCols, -1, -1);
    for (POSITION pos = m_SelectedCellMap.GetStartPosition(); pos;) {
        ULONGLONG key;
        CGridCellAddress cell;
        m_SelectedCellMap.GetNextAssoc(pos, key, cell);
        bounds.minRow = std::min(bounds.minRow, cell.row);
        bounds.minCol = std::min(bounds.minCol, cell.col);
        bounds.maxRow = std::max(bounds.maxRow, cell.row);
        bounds.maxCol = std::max(bounds.maxCol, cell.col);
    }
    return bounds;
}

void CGridCtrl::ClearSelectionAndFocus()
{
    m_PrevSelectedCellMap.RemoveAll();
    SelectBlock(-1, -1, -1, -1);
    MoveFocusTo(-1, -1);
}

// ---- painting ------------------------------------------------------------

void CGridCtrl::OnPaint()
{
    m_bClientInvalid = FALSE;
    CPaintDC dc(this);
    if (m_bDoubleBuffer) {
        CGridOffscreenDC memDC(&dc);
        OnDraw(&memDC);
    } else {
        OnDraw(&dc);
    }
}

BOOL CGridCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGridCtrl::PaintCellPass(CDC* pDC, const CRect& clip, int firstRow, int lastRow, int top, int firstCol,
                              int lastCol, int left, bool clipRows, bool clipCols)
{
    int bottom = top - 1;
    for (int row = firstRow; row <= lastRow; ++row) {
        if (m_arRowHeights[row] == 0)
            continue;
        const int rowTop = bottom + 1;
        bottom += static_cast<int>(m_arRowHeights[row]);
        if (clipRows && rowTop > clip.bottom)
            break;
        if (clipRows && bottom < clip.top)
            continue;
        int right = left - 1;
        for (int col = firstCol; col <= lastCol; ++col) {
            if (m_arColWidths[col] == 0)
                continue;
            const int colLeft = right + 1;
            right += static_cast<int>(m_arColWidths[col]);
            if (clipCols && colLeft > clip.right)
                break;
            if (clipCols && right < clip.left)
                continue;
            if (CGridCellBase* cell = CellAt(row, col)) {
                cell->NotePosition(row, col);
                cell->PaintCell(pDC, row, col, CRect(colLeft, rowTop, right, bottom), FALSE);
            }
        }
    }
}

void CGridCtrl::OnDraw(CDC* pDC)
{
    CRect clip;
    if (!m_bAllowDraw || pDC->GetClipBox(&clip) == 0)
        return;
    PaintBackground(pDC);
    const HGDIOBJ ownFont = ::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT);
    const int fixedHeight = SumFixedRowHeights();
    const int fixedWidth = SumFixedColumnWidths();
    CRect visibleRect;
    const CGridCellBlock visible = ShownCellBlock(&visibleRect);
    if (m_bVirtualMode)
        AnnounceCellBlock(visible);
    PaintCellPass(pDC, clip, 0, m_nFixedRows - 1, 0, 0, m_nFixedCols - 1, 0, false, false);
    if (visible.minRow >= 0 && visible.maxRow >= visible.minRow)
        PaintCellPass(pDC, clip, visible.minRow, visible.maxRow, fixedHeight, 0, m_nFixedCols - 1, 0, true, true);
    if (visible.minCol >= 0 && visible.maxCol >= visible.minCol)
        PaintCellPass(pDC, clip, 0, m_nFixedRows - 1, 0, visible.minCol, visible.maxCol, fixedWidth, true, true);
    if (visible.minRow >= 0 && visible.minCol >= 0)
        PaintCellPass(pDC, clip, visible.minRow, visible.maxRow, fixedHeight, visible.minCol, visible.maxCol,
                      fixedWidth, true, true);

    CPen pen(PS_SOLID, 0, m_crGridLineColour);
    CPen* oldPen = pDC->SelectObject(&pen);
    if ((m_nGridLines == 2 || m_nGridLines == 3) && visible.minCol >= 0) {
        int x = fixedWidth;
        for (int col = visible.minCol; col <= visible.maxCol; ++col) {
            if (m_arColWidths[col] == 0)
                continue;
            x += static_cast<int>(m_arColWidths[col]);
            pDC->MoveTo(x - 1, fixedHeight);
            pDC->LineTo(x - 1, visibleRect.bottom);
        }
    }
    if ((m_nGridLines == 1 || m_nGridLines == 3) && visible.minRow >= 0) {
        int y = fixedHeight;
        for (int row = visible.minRow; row <= visible.maxRow; ++row) {
            if (m_arRowHeights[row] == 0)
                continue;
            y += static_cast<int>(m_arRowHeights[row]);
            pDC->MoveTo(fixedWidth, y - 1);
            pDC->LineTo(visibleRect.right, y - 1);
        }
    }
    pDC->SelectObject(oldPen);
    pDC->SelectStockObject(NULL_PEN);
    ::SelectObject(pDC->GetSafeHdc(), ownFont);
    if (m_bVirtualMode)
        AnnounceCellBlock(CGridCellBlock());
}

void CGridCtrl::PaintBackground(CDC* pDC)
{
    CRect clip;
    if (pDC->GetClipBox(&clip) == 0)
        return;
    const int fixedHeight = SumFixedRowHeights();
    const int fixedWidth = SumFixedColumnWidths();
    CRect v;
    ShownCellBlock(&v);
    auto fill = [&](int l, int t, int r, int b, COLORREF colour) {
        CRect area(l, t, r, b);
        if (!area.IsRectEmpty())
            pDC->FillSolidRect(&area, colour);
    };
    if (clip.left < fixedWidth && clip.top < fixedHeight)
        fill(clip.left, clip.top, fixedWidth, fixedHeight, m_cellFixedRowColDef.BackColour());
    if (clip.left < fixedWidth && clip.top < v.bottom)
        fill(clip.left, clip.top, fixedWidth, v.bottom, m_cellFixedColDef.BackColour());
    if (clip.top < fixedHeight && fixedWidth < clip.right && clip.left < v.right)
        fill(fixedWidth - 1, clip.top, v.right, fixedHeight, m_cellFixedRowDef.BackColour());
    CRect cells;
    if (cells.IntersectRect(&v, &clip)) {
        cells.top = std::max(cells.top, static_cast<LONG>(fixedHeight));
        cells.left = std::max(cells.left, static_cast<LONG>(fixedWidth));
        fill(cells.left, cells.top, cells.right, cells.bottom, m_cellDefault.BackColour());
    }
    if (v.right < clip.right)
        fill(v.right, clip.top, clip.right, clip.bottom, m_crGridBkColour);
    if (v.bottom < clip.bottom && clip.left < v.right)
        fill(clip.left, v.bottom, v.right, clip.bottom, m_crGridBkColour);
}

BOOL CGridCtrl::RepaintCellNow(int row, int col, CDC* pDC)
{
    CRect rect;
    if (!m_bAllowDraw || !IsCellShown(row, col) || !CellBounds(row, col, &rect))
        return FALSE;
    CDC* borrowed = nullptr;
    if (!pDC) {
        pDC = borrowed = GetDC();
        if (!pDC) {
            CRect dirty(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
            InvalidateRect(&dirty, TRUE);
            return TRUE;
        }
    }
    const HGDIOBJ ownFont = ::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT);
    if (row >= m_nFixedRows && col >= m_nFixedCols) {
        if (CGridCellBase* cell = CellAt(row, col))
            cell->PaintCell(pDC, row, col, rect, TRUE);
        CPen pen(PS_SOLID, 0, m_crGridLineColour);
        CPen* oldPen = pDC->SelectObject(&pen);
        if (m_nGridLines == 1 || m_nGridLines == 3) {
            pDC->MoveTo(rect.left, rect.bottom);
            pDC->LineTo(rect.right + 1, rect.bottom);
        }
        if (m_nGridLines == 2 || m_nGridLines == 3) {
            pDC->MoveTo(rect.right, rect.top);
            pDC->LineTo(rect.right, rect.bottom + 1);
        }
        pDC->SelectObject(oldPen);
    } else if (CGridCellBase* cell = CellAt(row, col)) {
        cell->PaintCell(pDC, row, col, rect, TRUE);
    }
    ::SelectObject(pDC->GetSafeHdc(), ownFont);
    if (borrowed)
        ReleaseDC(borrowed);
    return TRUE;
}
