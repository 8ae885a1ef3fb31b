#include "CXTPToolTipContext.h"

#include "CWinApp.h"
#include "CXTPColorManager.h"
#include "CXTPGradientToolTipWindow.h"
#include "CXTPRichToolTipWindow.h"
#include "CXTPStandardToolTip.h"
#include "CXTPToolTipWindow.h"
#include "ToolTipWindowFromPoint.h"
#include "WindowGeometry.h"

#include <shlwapi.h>
#include <windowsx.h>

#include <cstdlib>
#include <cwchar>
#include <utility>

namespace {

// The first version whose control takes titles (TTM_SETTITLEW).
constexpr int kTitledComCtlVersion = 0x5004F;

// Moves within the tool of the last relay reach the tooltip at most this
// often: the platform's control restarts a timer on each, a round trip to the
// window server on some systems (Wine), and its delays move by no more than this.
constexpr DWORD kMoveRelayInterval = 50;

// Client mouse messages carry the button state in wParam; asking the system
// costs a round trip to the window server on some systems (Wine), so only the
// non-client ones ask.
bool IsMouseButtonDown(UINT message, WPARAM wParam)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK)
        return (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
    return (::GetKeyState(VK_LBUTTON) & 0x8000) != 0 || (::GetKeyState(VK_RBUTTON) & 0x8000) != 0
        || (::GetKeyState(VK_MBUTTON) & 0x8000) != 0;
}

// Where a mouse message happened, on the screen: its own position (client
// coordinates of hWnd, screen for non-client messages), which is also where
// the cursor is when it is handled; the cursor for other messages.
POINT MessagePoint(HWND hWnd, UINT message, LPARAM lParam)
{
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK)
        ::ClientToScreen(hWnd, &point);
    else if (message != WM_NCMOUSEMOVE)
        ::GetCursorPos(&point);
    return point;
}

bool IsMoveOrRelease(UINT message)
{
    return message == WM_NCMOUSEMOVE || message == WM_MOUSEMOVE || message == WM_LBUTTONUP
        || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

bool CancelsTips(UINT message)
{
    switch (message) {
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK: case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK:
        return true;
    default:
        return message >= WM_KEYDOWN && message <= WM_SYSDEADCHAR;
    }
}

// The first window at or above hWnd that is not a child window.
HWND ToolTipParentOf(HWND hWnd)
{
    while (hWnd != nullptr && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) != 0)
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

LPWSTR CopyText(const CString& str)
{
    return _wcsdup(static_cast<LPCWSTR>(str));
}

// Frees what the hit test allocated into the record.
void FreeHitTestStrings(TOOLINFO& ti, XTP_TOOLTIP_STRINGS& strings)
{
    if (ti.lpszText != LPSTR_TEXTCALLBACKW)
        std::free(ti.lpszText);
    std::free(strings.pszBody);
    std::free(strings.pszTitle);
    ti.lpszText = nullptr;
    ti.lParam = 0;
    strings = {};
}

} // namespace

CXTPToolTipContext::CXTPToolTipContext()
    : m_nComCtlVersion(GetComCtlVersion()), m_nMaxTipWidth(::GetSystemMetrics(SM_CXSCREEN) / 2)
{
    AfxInitRichEdit();
}

CXTPToolTipContext::~CXTPToolTipContext()
{
    DeleteToolTip();
}

int CXTPToolTipContext::GetComCtlVersion()
{
    HMODULE hComCtl = ::LoadLibraryW(L"COMCTL32.DLL");
    if (hComCtl == nullptr)
        return 0;
    int nVersion = 0;
    auto pfnGetVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(::GetProcAddress(hComCtl, "DllGetVersion")));
    if (pfnGetVersion != nullptr) {
        DLLVERSIONINFO info{};
        info.cbSize = sizeof(info);
        if (SUCCEEDED(pfnGetVersion(&info)))
            nVersion = static_cast<int>(((info.dwMajorVersion & 0xFFFF) << 16) | (info.dwMinorVersion & 0xFFFF));
    }
    ::FreeLibrary(hComCtl);
    return nVersion;
}

void CXTPToolTipContext::SetDelayTime(DWORD dwDuration, int nTime)
{
    switch (dwDuration) {
    case TTDT_INITIAL: m_nInitialDelay = nTime; break;
    case TTDT_RESHOW: m_nReshowDelay = nTime; break;
    case TTDT_AUTOPOP: m_nAutoPopDelay = nTime; break;
    default: m_nInitialDelay = m_nReshowDelay = m_nAutoPopDelay = nTime; break;
    }
}

COLORREF CXTPToolTipContext::GetTipBkColor() const
{
    return m_clrBack != static_cast<COLORREF>(-1) ? m_clrBack : GetColorManager()->GetColor(COLOR_INFOBK);
}

COLORREF CXTPToolTipContext::GetTipTextColor() const
{
    return m_clrText != static_cast<COLORREF>(-1) ? m_clrText : GetColorManager()->GetColor(COLOR_INFOTEXT);
}

void CXTPToolTipContext::ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd)
{
    const DWORD dwStyle = (m_dwStyle | dwAdd) & ~dwRemove;
    if (dwStyle == m_dwStyle)
        return;
    m_dwStyle = dwStyle;
    DeleteToolTip();
}

void CXTPToolTipContext::DeleteToolTip()
{
    // Own tooltip windows hide themselves and give up the mouse hook while
    // being destroyed (see CXTPToolTipWindow::OnDestroy).
    if (m_pToolTip == nullptr)
        return;
    if (m_pToolTip->GetSafeHwnd() != nullptr)
        m_pToolTip->DestroyWindow();
    delete m_pToolTip;
    m_pToolTip = nullptr;
    m_lastTool = TOOLINFO{};
}

CWnd* CXTPToolTipContext::CreateToolTip(CWnd* pOwner)
{
    CXTPToolTipWindow* pOwn = nullptr;
    switch (m_nKind) {
    case kindOwn: pOwn = new CXTPToolTipWindow(this); break;
    case kindRichText: pOwn = new CXTPRichToolTipWindow(this); break;
    case kindGradient: pOwn = new CXTPGradientToolTipWindow(this); break;
    default: break;
    }
    if (pOwn != nullptr) {
        pOwn->Create(pOwner, m_dwStyle | TTS_ALWAYSTIP, m_nComCtlVersion >= 0x60000);
        return pOwn;
    }
    auto* pStandard = new CXTPStandardToolTip;
    pStandard->Create(pOwner, m_dwStyle | TTS_ALWAYSTIP | (m_nKind == kindBalloon ? TTS_BALLOON : 0));
    return pStandard;
}

LRESULT CXTPToolTipContext::SendToTip(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_pToolTip->GetSafeHwnd(), message, wParam, lParam);
}

void CXTPToolTipContext::CancelToolTips()
{
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr)
        SendToTip(TTM_ACTIVATE, FALSE);
}

void CXTPToolTipContext::FilterToolTipMessage(CWnd* pOwner, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (pOwner == nullptr || pOwner->GetSafeHwnd() == nullptr)
        return;
    if (IsMoveOrRelease(message)) {
        if (IsMouseButtonDown(message, wParam))
            return;
        MSG msg{pOwner->GetSafeHwnd(), message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()),
                MessagePoint(pOwner->GetSafeHwnd(), message, lParam)};
        RelayToolTipMessage(pOwner, &msg);
    } else if (CancelsTips(message)) {
        CancelToolTips();
    }
}

BOOL CXTPToolTipContext::PrepareToolTip(CWnd* pOwner)
{
    HWND hParent = ToolTipParentOf(pOwner->GetSafeHwnd());
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr
        && ::GetWindow(m_pToolTip->GetSafeHwnd(), GW_OWNER) == hParent)
        return TRUE;
    DeleteToolTip();
    m_pToolTip = CreateToolTip(CWnd::FromHandle(hParent));
    if (m_pToolTip == nullptr || m_pToolTip->GetSafeHwnd() == nullptr) {
        DeleteToolTip();
        return FALSE;
    }
    SendToTip(TTM_SETMAXTIPWIDTH, 0, m_nMaxTipWidth);
    SendToTip(TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&m_rcMargin));
    if (m_clrBack != static_cast<COLORREF>(-1))
        SendToTip(TTM_SETTIPBKCOLOR, m_clrBack);
    if (m_clrText != static_cast<COLORREF>(-1))
        SendToTip(TTM_SETTIPTEXTCOLOR, m_clrText);
    const std::pair<DWORD, int> delays[] = {
        {TTDT_RESHOW, m_nReshowDelay}, {TTDT_INITIAL, m_nInitialDelay}, {TTDT_AUTOPOP, m_nAutoPopDelay}};
    for (const auto& [dwDuration, nTime] : delays) {
        if (nTime != -1)
            SendToTip(TTM_SETDELAYTIME, dwDuration, nTime);
    }
    SendToTip(TTM_ACTIVATE, FALSE);
    return TRUE;
}

void CXTPToolTipContext::RelayToolTipMessage(CWnd* pOwner, MSG* pMsg)
{
    HWND hOwner = pOwner->GetSafeHwnd();
    // Visibility first: asking for the active window is the dearer question.
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr && m_pToolTip->IsWindowVisible()
        && !IsTopLevelActive(hOwner)) {
        SendToTip(TTM_ACTIVATE, FALSE);
        return;
    }
    if (!PrepareToolTip(pOwner))
        return;

    CPoint point = pMsg->pt;
    ::ScreenToClient(hOwner, &point);
    XTP_TOOLTIP_STRINGS strings{};
    TOOLINFO ti{};
    ti.cbSize = m_bShowTitles ? TTTOOLINFOW_V2_SIZE : TTTOOLINFOW_V1_SIZE;
    if (m_bShowTitles)
        ti.lParam = reinterpret_cast<LPARAM>(&strings);
    const INT_PTR nHit = pOwner->OnToolHitTest(point, &ti);
    if (nHit == -1)
        ti = TOOLINFO{};

    const bool bSameTool = ti.hwnd == m_lastTool.hwnd && ti.uId == m_lastTool.uId;
    if (bSameTool && ::EqualRect(&ti.rect, &m_lastTool.rect)) {
        if (nHit != -1 && IsRelayDue(pMsg->message))
            RelayEvent(pMsg);
        FreeHitTestStrings(ti, strings);
        return;
    }

    TOOLINFO lastTool = m_lastTool;
    lastTool.cbSize = TTTOOLINFOW_V1_SIZE;
    if (bSameTool && nHit != -1)
        SendToTip(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&lastTool));
    if (nHit == -1) {
        SendToTip(TTM_ACTIVATE, FALSE);
    } else {
        const bool bShowNow = (ti.uFlags & XTP_TTF_SHOWNOW) != 0;
        ti.uFlags &= ~(XTP_TTF_SHOWNOW | XTP_TTF_RESERVED);
        SendToTip(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        SendTitle(ti);
        if (bShowNow || IsTopLevelActive(hOwner)) {
            SendToTip(TTM_ACTIVATE, TRUE);
            // Moving a window in the z-order is slow on some systems (Wine):
            // only when something is above the tip.
            HWND hTip = m_pToolTip->GetSafeHwnd();
            if (::GetWindow(hTip, GW_HWNDPREV) != nullptr)
                ::SetWindowPos(hTip, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    RelayEvent(pMsg);
    if (!bSameTool && m_lastTool.hwnd != nullptr)
        SendToTip(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&lastTool));

    FreeHitTestStrings(ti, strings);
    m_lastTool = ti;
}

void CXTPToolTipContext::SendTitle(const TOOLINFO& ti)
{
    if (m_nKind == kindRichText || (m_nComCtlVersion <= kTitledComCtlVersion && m_nKind == kindStandard))
        return;
    const auto* pStrings = reinterpret_cast<const XTP_TOOLTIP_STRINGS*>(ti.lParam);
    if (m_bShowTitles && pStrings != nullptr && pStrings->pszTitle != nullptr && pStrings->pszBody != nullptr) {
        SendToTip(TTM_SETTITLEW, m_nTitleIcon, reinterpret_cast<LPARAM>(pStrings->pszTitle));
        TOOLINFO body = ti;
        body.cbSize = TTTOOLINFOW_V1_SIZE;
        body.lpszText = pStrings->pszBody;
        SendToTip(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&body));
    } else {
        SendToTip(TTM_SETTITLEW, TTI_NONE, reinterpret_cast<LPARAM>(L""));
    }
}

bool CXTPToolTipContext::IsRelayDue(UINT message) const
{
    return (message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE)
        || ::GetTickCount() - m_dwLastRelayTick >= kMoveRelayInterval;
}

void CXTPToolTipContext::RelayEvent(MSG* pMsg)
{
    m_dwLastRelayTick = ::GetTickCount();
    POINT point = pMsg->pt;
    // A client mouse message goes to the window under the cursor, so the
    // owner is that window (after the parent rule); other messages ask the tip.
    HWND hWnd = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MBUTTONDBLCLK
        ? ApplyUseParentRule(pMsg->hwnd)
        : reinterpret_cast<HWND>(SendToTip(TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&point)));
    MSG msg = *pMsg;
    if (hWnd != nullptr) {
        msg.hwnd = hWnd;
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MBUTTONDBLCLK) {
            ::ScreenToClient(hWnd, &point);
            msg.lParam = MAKELPARAM(point.x, point.y);
        }
    }
    SendToTip(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void CXTPToolTipContext::FillInToolInfo(TOOLINFO* pTI, HWND hWnd, const CRect& rect, INT_PTR nID,
                                        const CString& strTip, const CString& strTitle,
                                        const CString& strDescription)
{
    if (pTI == nullptr || pTI->cbSize < TTTOOLINFOW_V1_SIZE)
        return;
    pTI->hwnd = hWnd;
    pTI->rect = rect;
    pTI->uId = static_cast<UINT_PTR>(nID);
    pTI->lpszText = CopyText(strTip);
    auto* pStrings = reinterpret_cast<XTP_TOOLTIP_STRINGS*>(pTI->lParam);
    if (pTI->cbSize >= TTTOOLINFOW_V2_SIZE && pStrings != nullptr && !strTitle.IsEmpty()
        && !strDescription.IsEmpty()) {
        pStrings->pszTitle = CopyText(strTitle);
        pStrings->pszBody = CopyText(strDescription);
    }
}
