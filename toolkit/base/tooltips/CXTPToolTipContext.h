#pragma once
// The tooltip context a toolkit window owns: the window hands it its mouse and
// keyboard messages, the context finds the tool under the cursor through the
// window's hit test and feeds one tooltip window per owner with TTM_*
// messages. The tooltip window is the platform's control (plain or balloon)
// or one of the toolkit's own (plain, rich text, gradient).
#include "Framework.h"
#include "CCmdTarget.h"
#include "CWnd.h"

// The strings a tool record of the titled size (TTTOOLINFOW_V2_SIZE) points
// at through lParam; the owner's hit test fills them by FillInToolInfo.
struct XTP_TOOLTIP_STRINGS {
    LPWSTR pszBody;
    LPWSTR pszTitle;
};

// Tool record flags of the toolkit, cleared before a record goes to the tooltip.
constexpr UINT XTP_TTF_SHOWNOW = 0x40000000;   // show at once
constexpr UINT XTP_TTF_RESERVED = 0x80000000;

// Style bits of the toolkit's own tooltip windows.
constexpr DWORD XTP_TTS_SOFTBORDER = 0x1000;   // top and left edge in the button-face colour
constexpr DWORD XTP_TTS_NOSHADOW = 0x2000;

class CXTPToolTipContext : public CCmdTarget {
public:
    enum ToolTipKind {
        kindStandard = 0,   // the platform's tooltip control
        kindBalloon = 1,    // the same as a balloon
        kindOwn = 2,        // the toolkit's own window
        kindRichText = 3,   // the own window showing rich text
        kindGradient = 4,   // the own window on a gradient
    };

    CXTPToolTipContext();
    ~CXTPToolTipContext() override;
    CXTPToolTipContext(const CXTPToolTipContext&) = delete;
    CXTPToolTipContext& operator=(const CXTPToolTipContext&) = delete;

    // The loaded common-controls version as major x 65536 + minor; 0 when it
    // cannot be asked.
    static int GetComCtlVersion();

    // Relays a message of pOwner (a window that has a tool hit test) to its tooltip.
    void FilterToolTipMessage(CWnd* pOwner, UINT message, WPARAM wParam, LPARAM lParam);
    void CancelToolTips();
    // new := (old | dwAdd) & ~dwRemove; a change makes the next tip in a new window.
    void ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd);

    // Fills the record an owner's hit test answers with (records of at least
    // TTTOOLINFOW_V1_SIZE): window, rectangle, id and a heap copy of the text;
    // a titled record with a title and a body gets heap copies of both too.
    static void FillInToolInfo(TOOLINFO* pTI, HWND hWnd, const CRect& rect, INT_PTR nID, const CString& strTip,
                               const CString& strTitle = CString(), const CString& strDescription = CString());

    void SetToolTipKind(ToolTipKind kind) { m_nKind = kind; }
    ToolTipKind GetToolTipKind() const { return m_nKind; }
    void EnableTitles(BOOL bEnable) { m_bShowTitles = bEnable; }
    void SetTitleIcon(int nIcon) { m_nTitleIcon = nIcon; }
    void SetMaxTipWidth(int nWidth) { m_nMaxTipWidth = nWidth; }
    int GetMaxTipWidth() const { return m_nMaxTipWidth; }
    void SetMargin(const CRect& rcMargin) { m_rcMargin = rcMargin; }
    const CRect& GetMargin() const { return m_rcMargin; }
    void SetDelayTime(DWORD dwDuration, int nTime);
    DWORD GetToolTipStyle() const { return m_dwStyle; }
    // -1 keeps the system's tooltip colours.
    void SetTipBkColor(COLORREF clr) { m_clrBack = clr; }
    void SetTipTextColor(COLORREF clr) { m_clrText = clr; }
    COLORREF GetTipBkColor() const;
    COLORREF GetTipTextColor() const;

    // The tooltip window of the last tip, null before the first.
    CWnd* GetToolTip() const { return m_pToolTip; }
    // The tool the filter saw last (window, id, rectangle, flags).
    const TOOLINFO& GetLastTool() const { return m_lastTool; }
    // Version used to decide whether the platform's control takes titles.
    void SetComCtlVersion(int nVersion) { m_nComCtlVersion = nVersion; }

protected:
    // Makes the tooltip window of the context's kind, owned by pOwner.
    virtual CWnd* CreateToolTip(CWnd* pOwner);

private:
    void RelayToolTipMessage(CWnd* pOwner, MSG* pMsg);
    BOOL PrepareToolTip(CWnd* pOwner);
    void DeleteToolTip();
    void SendTitle(const TOOLINFO& ti);
    // False for a move that follows the last relay too closely to change
    // what the tooltip shows.
    bool IsRelayDue(UINT message) const;
    void RelayEvent(MSG* pMsg);
    LRESULT SendToTip(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    BOOL m_bShowTitles = FALSE;
    ToolTipKind m_nKind = kindStandard;
    int m_nComCtlVersion = 0;
    int m_nTitleIcon = TTI_INFO;
    int m_nMaxTipWidth;
    DWORD m_dwStyle = TTS_NOPREFIX;
    CRect m_rcMargin{0, 0, 0, 0};
    int m_nInitialDelay = -1;
    int m_nReshowDelay = -1;
    int m_nAutoPopDelay = -1;
    CWnd* m_pToolTip = nullptr;
    // The tool shown last; its text and string pointers are cleared once the
    // hit test's copies are freed.
    TOOLINFO m_lastTool{};
    DWORD m_dwLastRelayTick = 0;
    COLORREF m_clrBack = static_cast<COLORREF>(-1);
    COLORREF m_clrText = static_cast<COLORREF>(-1);
};
