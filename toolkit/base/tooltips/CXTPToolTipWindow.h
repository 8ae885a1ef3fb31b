#pragma once
// The toolkit's own tooltip window. It answers the platform tooltip's TTM_*
// messages that the tooltip context sends, shows the tip of the tool under
// the cursor after the initial delay (at once when a tip was shown or hidden
// moments before) and paints it itself: background, optional title with a
// rule below it, and the wrapped text.
#include "Framework.h"
#include "CFont.h"
#include "CWnd.h"

#include <vector>

class CXTPToolTipContext;

class CXTPToolTipWindow : public CWnd {
public:
    // A tool as the window keeps it.
    struct ToolItem {
        CString strText;
        BOOL bCallback = FALSE;   // the text is asked of the window each time
        UINT uFlags = 0;
        HWND hwnd = nullptr;
        UINT_PTR uId = 0;
        CRect rect{0, 0, 0, 0};
        HINSTANCE hinst = nullptr;

        bool IsEmpty() const { return hwnd == nullptr; }
        bool IsSame(const ToolItem& other) const { return hwnd == other.hwnd && uId == other.uId; }
    };

    static constexpr UINT kInitialDelay = 500;
    static constexpr DWORD kQuickReshow = 200;

    explicit CXTPToolTipWindow(CXTPToolTipContext* pContext);
    ~CXTPToolTipWindow() override;

    // A top-level tool window owned by pOwner; bDropShadow when the system
    // draws shadows under windows.
    BOOL Create(CWnd* pOwner, DWORD dwStyle, BOOL bDropShadow);

    // The TTM_RELAYEVENT work, also reached from the mouse hook.
    void RelayEvent(const MSG* pMsg);

    bool HasCurrentTool() const { return !m_currentTool.IsEmpty(); }
    HWND CurrentToolWindow() const { return m_currentTool.hwnd; }
    const ToolItem& CurrentTool() const { return m_currentTool; }

    // Size, text and background of the tip of the current tool, in dc.
    virtual CSize MeasureTip(CDC* pDC);
    virtual void DrawTipText(CDC* pDC, const CRect& rcClient);
    virtual void DrawTipBackground(CDC* pDC, const CRect& rcClient);

protected:
    // The text of a tool: asked of its window for callback tools; '&'
    // prefixes removed unless the style keeps them.
    CString ToolText(const ToolItem& tool);
    void PaintTip(CDC* pDC);

    CXTPToolTipContext* m_pContext;
    CFont m_font;
    CString m_strTitle;
    ToolItem m_currentTool;

    void OnDestroy();
    void OnPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    LRESULT OnAddTool(WPARAM wParam, LPARAM lParam);
    LRESULT OnDelTool(WPARAM wParam, LPARAM lParam);
    LRESULT OnUpdateTipText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTitle(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnRelayEvent(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static constexpr UINT_PTR kDelayTimer = 1;

    ToolItem* FindTool(HWND hwnd, UINT_PTR uId);
    // The tool under the cursor (where pMsg happened, when given): none
    // while a mouse button is down.
    const ToolItem* ToolFromCursor(const MSG* pMsg) const;
    void Show(const ToolItem* pTool);
    void ForgetPendingTool();

    std::vector<ToolItem> m_tools;
    ToolItem m_pressedTool;
    ToolItem m_pendingTool;
    BOOL m_bActive = FALSE;
    DWORD m_dwLastChange = 0;
};
