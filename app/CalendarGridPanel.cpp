#include "CalendarGridPanel.h"

#include "PreviewPanel.h"
#include "ToolkitLookData.h"

BEGIN_MESSAGE_MAP(CalendarGridPanel, CStatic)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_NOTIFY(GVN_CLICK, CalendarGridPanel::GridId, OnGridClick)
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {
constexpr int kColumnWidth = 130;
constexpr int kTitleHeight = 20;
constexpr int kTextHeight = 150;
constexpr COLORREF kTitleBack = 0x000000;
constexpr COLORREF kTitleText = 0xFFFFFF;
constexpr COLORREF kTextBack = 0xE1FFFF;
constexpr COLORREF kGridBack = 0xE6FFFF;
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMilliseconds = 250;
// A batch goes to the user-interface thread once it holds this many entries or
// is this old, so a slow database still shows its entries as they come.
constexpr size_t kBatchEntries = 200;
constexpr ULONGLONG kBatchMilliseconds = 50;
}  // namespace

CalendarGridPanel::CalendarGridPanel() : m_grid(0, 0, 0, 0) {}

int CalendarGridPanel::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CStatic::OnCreate(lpcs) == -1)
        return -1;
    if (!m_grid.CreateGrid(CRect(0, 200, 200, 200), this, GridId, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP))
        return -1;
    SetUpGrid();
    return 0;
}

void CalendarGridPanel::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    if (m_grid.GetSafeHwnd() != nullptr)
        m_grid.MoveWindow(0, 0, cx, cy);
}

void CalendarGridPanel::SetImageList(CImageList* pImages)
{
    m_pImageList = pImages;
    m_grid.SetImageList(pImages);
}

void CalendarGridPanel::SetUpGrid()
{
    m_grid.SetEditable(FALSE);
    m_grid.ChangeColumnTotal(Columns);
    m_grid.ChangeFixedRowTotal(0);
    m_grid.ChangeFixedColumnTotal(0);
    // Every cell takes the normal font from the default cell: a font of its own
    // per cell would cost a GDI font for each entry of a large folder.
    LOGFONTW normal{};
    ToolkitLookData().fontNormal.GetLogFont(&normal);
    if (CGridDefaultCell* pDefault = m_grid.MatchingDefaultCell(FALSE, FALSE))
        pDefault->StoreFont(&normal);
    for (int c = 0; c < Columns; ++c)
        m_grid.ChangeColumnWidth(c, kColumnWidth);
    m_grid.SetGridBackColour(kGridBack);
    m_nEntryCounter = Columns;
}

void CalendarGridPanel::Reset()
{
    m_kept.clear();
    m_grid.RemoveAllCells();
    SetUpGrid();
    m_grid.Invalidate();
}

int CalendarGridPanel::GetEntryRowCount() const
{
    return m_grid.RowCount() - 1;
}

void CalendarGridPanel::WriteCell(int row, int col, const CString& text, int image)
{
    GridCellRecord record;
    record.row = row;
    record.col = col;
    record.mask = GVIF_TEXT | GVIF_FORMAT | (image >= 0 ? GVIF_IMAGE : 0);
    record.nFormat = DT_WORDBREAK;
    record.iImage = image;
    record.strText = text;
    m_grid.ApplyCellRecord(&record);
}

void CalendarGridPanel::StartRowPair(int titleRow)
{
    m_grid.ChangeRowTotal(titleRow + 1);
    for (int c = 0; c < Columns; ++c) {
        WriteCell(titleRow, c, CString(), -1);
        m_grid.ChangeCellBackColour(titleRow, c, kTitleBack);
        m_grid.ChangeCellTextColour(titleRow, c, kTitleText);
    }
    m_grid.ChangeRowHeight(titleRow, kTitleHeight);
    m_grid.ChangeRowTotal(titleRow + 2);
}

void CalendarGridPanel::AddField(int /*unused*/, const CString& text, int kind, const CString& subject)
{
    if (CUiThreadCall::IsUiThread()) {
        AddKeptEntries();
        AddEntry(text, kind, subject);
        return;
    }
    if (m_kept.empty())
        m_nLastHandOver = ::GetTickCount64();
    m_kept.push_back({text, kind, subject});
    if (m_kept.size() >= kBatchEntries || ::GetTickCount64() - m_nLastHandOver >= kBatchMilliseconds)
        RunOnUiThread([this] { AddKeptEntries(); });
}

void CalendarGridPanel::AddKeptEntries()
{
    for (const KeptEntry& entry : m_kept)
        AddEntry(entry.text, entry.kind, entry.subject);
    m_kept.clear();
}

void CalendarGridPanel::AddEntry(const CString& text, int kind, const CString& subject)
{
    const int rows = m_grid.RowCount();
    int column = m_nEntryCounter;
    if (column >= Columns) {
        StartRowPair(rows);
        column = 0;
    }
    const int textRow = m_grid.RowCount() - 1;
    const int titleRow = textRow - 1;
    if (kind == LongTextKind) {
        WriteCell(textRow, column, text, -1);
        m_grid.ChangeCellText(titleRow, column, subject);
        m_grid.ChangeCellImage(titleRow, column, 3);
        for (int c = 0; c < Columns; ++c)
            m_grid.ChangeCellBackColour(textRow, c, kTextBack);
        m_grid.ChangeRowHeight(textRow, kTextHeight);
    }
    // Only the entry's row pair changed; cells out of sight cost no paint.
    for (int c = 0; c < Columns; ++c) {
        m_grid.MarkCellDirty(titleRow, c);
        m_grid.MarkCellDirty(textRow, c);
    }
    m_nEntryCounter = column + 1;
}

void CalendarGridPanel::BeginFill()
{
    m_bFilling = true;
    m_grid.SetAllowDraw(FALSE);
    SetTimer(kRefreshTimer, kRefreshMilliseconds, nullptr);
}

void CalendarGridPanel::EndFill()
{
    AddKeptEntries();
    if (!m_bFilling)
        return;
    m_bFilling = false;
    KillTimer(kRefreshTimer);
    m_grid.SetAllowDraw(TRUE);
    DrawNow();
}

void CalendarGridPanel::DrawNow()
{
    m_grid.RecalcScrollBars();
    m_grid.Invalidate();
    m_grid.UpdateWindow();
}

void CalendarGridPanel::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kRefreshTimer || !m_bFilling) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    m_grid.SetAllowDraw(TRUE);
    DrawNow();
    m_grid.SetAllowDraw(FALSE);
}

void CalendarGridPanel::OnGridClick(NMHDR* pHeader, LRESULT* pResult)
{
    *pResult = 0;
    const auto* pNotice = reinterpret_cast<const GridCellNotice*>(pHeader);
    const int row = pNotice->iRow;
    const int col = pNotice->iColumn;
    if (row <= 0 || col < 0 || row >= m_grid.RowCount() || col >= Columns)
        return;
    // Title rows are even, each followed by its text row.
    const int titleRow = row - row % 2;
    const CString text = m_grid.CellTextAt(titleRow + 1, col);
    if (m_pPreviewPanel != nullptr && !text.IsEmpty())
        m_pPreviewPanel->ShowEntry(m_grid.CellTextAt(titleRow, col), text);
    CWnd* pInner = GetParent();
    CWnd* pOuter = pInner != nullptr ? pInner->GetParent() : nullptr;
    CWnd* pStep = pOuter != nullptr ? pOuter->GetParent() : nullptr;
    if (pStep != nullptr)
        pStep->SendMessage(WM_GRID_ROW_CLICKED, static_cast<WPARAM>(m_grid.CellDataAt(row, 0)), row);
}
