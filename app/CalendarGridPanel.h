#pragma once
#include "CGridCtrl.h"
#include "Framework.h"
#include "ICalendarGrid.h"
#include "WizardMessages.h"

#include <vector>

class PreviewPanel;

// The grid of step 2's preview: the calendar entries of a folder, five side by
// side per pair of rows, a black title row with the subject and a tall text row
// with the entry's preview text. Until the first entry arrives the grid has no
// rows, so an empty folder shows no empty title row. The grid belongs to the
// user-interface thread. AddField called by the preview worker keeps the entry
// and hands the kept entries over in batches, one synchronous call to the
// user-interface thread per batch (a call per entry costs more than the grid
// work); they reach the grid in the order added. EndFill adds what is still kept.
// A click on a data row shows that entry in the preview panel and sends
// WM_GRID_ROW_CLICKED to the step view (wParam the item data of (row, 0), lParam the row).
class CalendarGridPanel : public CStatic, public ICalendarGrid {
public:
    static constexpr UINT GridId = 100;
    static constexpr int Columns = 5;
    static constexpr int LongTextKind = 4;

    CalendarGridPanel();

    void Reset();
    // Grid rows less one: above 0 once an entry arrived.
    int GetEntryRowCount() const;
    void AddField(int unused, const CString& text, int kind, const CString& subject) override;
    // Around a preview: while entries arrive the grid is drawn a few times a
    // second, not once per entry, so a large folder fills in time.
    void BeginFill();
    void EndFill();

    CGridCtrl& GetGrid() { return m_grid; }
    void SetPreviewPanel(PreviewPanel* pPanel) { m_pPreviewPanel = pPanel; }
    void SetImageList(CImageList* pImages);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGridClick(NMHDR* pHeader, LRESULT* pResult);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void SetUpGrid();
    void StartRowPair(int titleRow);
    void WriteCell(int row, int col, const CString& text, int image);
    void DrawNow();
    void AddEntry(const CString& text, int kind, const CString& subject);
    // Adds the kept entries to the grid, on the user-interface thread.
    void AddKeptEntries();

    struct KeptEntry {
        CString text;
        int kind;
        CString subject;
    };

    CGridCtrl m_grid;
    int m_nEntryCounter = Columns;   // the column of the next entry; Columns: no open row pair
    PreviewPanel* m_pPreviewPanel = nullptr;
    CImageList* m_pImageList = nullptr;
    bool m_bFilling = false;
    // Written by the worker only; the user-interface thread takes them while
    // the worker waits for its hand-over call, or once the worker has ended.
    std::vector<KeptEntry> m_kept;
    ULONGLONG m_nLastHandOver = 0;
};
