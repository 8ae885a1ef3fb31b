#include "CXTPToolTipWindow.h"

#include "CClientDC.h"
#include "CPaintDC.h"
#include "CXTMemDC.h"
#include "CXTPToolTipContext.h"
#include "FontHelpers.h"
#include "NonClientMetrics.h"
#include "ToolTipMouseHook.h"
#include "ToolTipWindowFromPoint.h"
#include "WindowGeometry.h"

#include <algorithm>

namespace {

constexpr int kCursorOffset = 21;   // the tip shows this far below the cursor
constexpr int kTitleGap = 8;        // between the title line and the text

bool IsClientMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
}

// Client mouse messages carry the button state; asking the system is dearer.
bool IsMouseButtonDown(const MSG* pMsg)
{
    if (pMsg != nullptr && IsClientMouseMessage(pMsg->message))
        return (pMsg->wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
    return (::GetKeyState(VK_LBUTTON) & 0x8000) != 0 || (::GetKeyState(VK_RBUTTON) & 0x8000) != 0
        || (::GetKeyState(VK_MBUTTON) & 0x8000) != 0;
}

bool IsRelayedMouseMessage(UINT message)
{
    return IsClientMouseMessage(message) || (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

CXTPToolTipWindow::ToolItem ToolFromRecord(const TOOLINFO& ti)
{
    CXTPToolTipWindow::ToolItem tool;
    tool.bCallback = ti.lpszText == LPSTR_TEXTCALLBACKW;
    if (!tool.bCallback && ti.lpszText != nullptr)
        tool.strText = IS_INTRESOURCE(ti.lpszText) ? CString() : CString(ti.lpszText);
    tool.uFlags = ti.uFlags;
    tool.hwnd = ti.hwnd;
    tool.uId = ti.uId;
    tool.rect = ti.rect;
    tool.hinst = ti.hinst;
    return tool;
}

} // namespace

BEGIN_MESSAGE_MAP(CXTPToolTipWindow, CWnd)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_MESSAGE(TTM_ADDTOOLW, OnAddTool)
    ON_MESSAGE(TTM_DELTOOLW, OnDelTool)
    ON_MESSAGE(TTM_UPDATETIPTEXTW, OnUpdateTipText)
    ON_MESSAGE(TTM_SETTITLEW, OnSetTitle)
    ON_MESSAGE(TTM_ACTIVATE, OnActivate)
    ON_MESSAGE(TTM_RELAYEVENT, OnRelayEvent)
    ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
END_MESSAGE_MAP()

CXTPToolTipWindow::CXTPToolTipWindow(CXTPToolTipContext* pContext) : m_pContext(pContext)
{
    NonClientMetrics metrics;
    m_font.CreateFontIndirect(&metrics.lfStatusFont);
}

CXTPToolTipWindow::~CXTPToolTipWindow()
{
    DestroyWindow();
}

BOOL CXTPToolTipWindow::Create(CWnd* pOwner, DWORD dwStyle, BOOL bDropShadow)
{
    UINT nClassStyle = CS_SAVEBITS | CS_OWNDC;
    if (bDropShadow && (dwStyle & XTP_TTS_NOSHADOW) == 0)
        nClassStyle |= CS_DROPSHADOW;
    LPCTSTR lpszClass = AfxRegisterWndClass(nClassStyle, ::LoadCursorW(nullptr, IDC_ARROW));
    return CreateEx(WS_EX_TOOLWINDOW, lpszClass, nullptr, dwStyle | WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pOwner->GetSafeHwnd(), nullptr);
}

void CXTPToolTipWindow::OnDestroy()
{
    // The hook must never reach a window that is gone.
    Show(nullptr);
    KillTimer(kDelayTimer);
    ToolTipMouseHook::Remove(this);
    CWnd::OnDestroy();
}

CXTPToolTipWindow::ToolItem* CXTPToolTipWindow::FindTool(HWND hwnd, UINT_PTR uId)
{
    for (ToolItem& tool : m_tools) {
        if (tool.hwnd == hwnd && tool.uId == uId)
            return &tool;
    }
    return nullptr;
}

LRESULT CXTPToolTipWindow::OnAddTool(WPARAM, LPARAM lParam)
{
    const auto* pTI = reinterpret_cast<const TOOLINFO*>(lParam);
    if (pTI == nullptr)
        return FALSE;
    m_tools.push_back(ToolFromRecord(*pTI));
    return TRUE;
}

LRESULT CXTPToolTipWindow::OnDelTool(WPARAM, LPARAM lParam)
{
    const auto* pTI = reinterpret_cast<const TOOLINFO*>(lParam);
    if (pTI == nullptr)
        return 0;
    for (auto it = m_tools.begin(); it != m_tools.end(); ++it) {
        if (it->hwnd != pTI->hwnd || it->uId != pTI->uId)
            continue;
        if (it->IsSame(m_currentTool))
            Show(nullptr);
        if (it->IsSame(m_pressedTool))
            m_pressedTool = ToolItem();
        if (it->IsSame(m_pendingTool)) {
            ForgetPendingTool();
        }
        m_tools.erase(it);
        break;
    }
    return 0;
}

LRESULT CXTPToolTipWindow::OnUpdateTipText(WPARAM, LPARAM lParam)
{
    const auto* pTI = reinterpret_cast<const TOOLINFO*>(lParam);
    ToolItem* pTool = pTI != nullptr ? FindTool(pTI->hwnd, pTI->uId) : nullptr;
    if (pTool != nullptr) {
        const ToolItem update = ToolFromRecord(*pTI);
        pTool->bCallback = update.bCallback;
        pTool->strText = update.strText;
    }
    return 0;
}

LRESULT CXTPToolTipWindow::OnSetTitle(WPARAM, LPARAM lParam)
{
    m_strTitle = lParam != 0 ? CString(reinterpret_cast<LPCWSTR>(lParam)) : CString();
    if ((GetStyle() & TTS_NOPREFIX) == 0)
        StripMnemonics(m_strTitle);
    return TRUE;
}

LRESULT CXTPToolTipWindow::OnActivate(WPARAM wParam, LPARAM)
{
    m_bActive = wParam != 0;
    if (!m_bActive) {
        ForgetPendingTool();
        Show(nullptr);
    }
    return 0;
}

LRESULT CXTPToolTipWindow::OnWindowFromPoint(WPARAM, LPARAM lParam)
{
    const auto* pPoint = reinterpret_cast<const POINT*>(lParam);
    return pPoint != nullptr ? reinterpret_cast<LRESULT>(ToolTipWindowFromPoint(*pPoint)) : 0;
}

LRESULT CXTPToolTipWindow::OnRelayEvent(WPARAM, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (pMsg != nullptr)
        RelayEvent(pMsg);
    return 0;
}

const CXTPToolTipWindow::ToolItem* CXTPToolTipWindow::ToolFromCursor(const MSG* pMsg) const
{
    if (IsMouseButtonDown(pMsg))
        return nullptr;
    // A relayed message knows where the cursor was and, for client mouse
    // messages, the window under it.
    POINT cursor;
    if (pMsg != nullptr)
        cursor = pMsg->pt;
    else
        ::GetCursorPos(&cursor);
    HWND hUnder = nullptr;
    if (pMsg != nullptr && IsClientMouseMessage(pMsg->message))
        hUnder = pMsg->hwnd;
    for (const ToolItem& tool : m_tools) {
        if (!::IsWindow(tool.hwnd))
            continue;
        if (tool.uFlags & TTF_IDISHWND) {
            RECT rcWindow;
            if (::GetWindowRect(reinterpret_cast<HWND>(tool.uId), &rcWindow) && ::PtInRect(&rcWindow, cursor))
                return &tool;
            continue;
        }
        POINT client = cursor;
        ::ScreenToClient(tool.hwnd, &client);
        if (!::PtInRect(&tool.rect, client))
            continue;
        if (hUnder == nullptr)
            hUnder = ToolTipWindowFromPoint(cursor);
        if (hUnder == tool.hwnd)
            return &tool;
    }
    return nullptr;
}

void CXTPToolTipWindow::ForgetPendingTool()
{
    // The delay timer may run on: it fires once for no tool, or is set anew
    // for the next one; stopping and starting timers is slow on some systems (Wine).
    m_pendingTool = ToolItem();
}

void CXTPToolTipWindow::RelayEvent(const MSG* pMsg)
{
    if (!m_bActive || !IsRelayedMouseMessage(pMsg->message))
        return;
    const ToolItem* pTool = ToolFromCursor(pMsg);
    if (pMsg->message == WM_LBUTTONDOWN) {
        m_pressedTool = pTool != nullptr ? *pTool : ToolItem();
        pTool = nullptr;
    } else if (pTool != nullptr && pTool->IsSame(m_pressedTool)) {
        pTool = nullptr;
    }
    const bool bPendingThis = pTool != nullptr && pTool->IsSame(m_pendingTool);
    if (!bPendingThis)
        ForgetPendingTool();

    if (pTool == nullptr) {
        Show(nullptr);
    } else if (pTool->IsSame(m_currentTool)) {
        return;
    } else if (::GetTickCount() - m_dwLastChange >= kQuickReshow) {
        if (!bPendingThis) {
            m_pendingTool = *pTool;
            SetTimer(kDelayTimer, kInitialDelay, nullptr);
        }
    } else {
        Show(pTool);
    }
}

void CXTPToolTipWindow::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kDelayTimer) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kDelayTimer);
    const ToolItem pending = m_pendingTool;
    ForgetPendingTool();
    if (pending.IsEmpty())
        return;
    const ToolItem* pTool = ToolFromCursor(nullptr);
    if (pTool != nullptr && pTool->IsSame(pending) && !pTool->IsSame(m_pressedTool))
        Show(pTool);
}

void CXTPToolTipWindow::Show(const ToolItem* pTool)
{
    if (pTool == nullptr ? m_currentTool.IsEmpty() : pTool->IsSame(m_currentTool))
        return;
    ToolItem shown = pTool != nullptr ? *pTool : ToolItem();
    CSize size(0, 0);
    if (!shown.IsEmpty()) {
        // Measured as the current tool, which MeasureTip reads.
        m_currentTool = shown;
        CClientDC dc(this);
        size = MeasureTip(&dc);
        if (size.cx == 0 && size.cy == 0)
            shown = ToolItem();
    }
    if (IsWindowVisible())
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    if (!shown.IsEmpty()) {
        POINT cursor;
        ::GetCursorPos(&cursor);
        SetWindowPos(&wndTopMost, cursor.x, cursor.y + kCursorOffset, size.cx, size.cy,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
        Invalidate();
        ToolTipMouseHook::Install(this);
        m_pressedTool = ToolItem();
    } else {
        ToolTipMouseHook::Remove(this);
        ForgetPendingTool();
    }
    m_currentTool = shown;
    m_dwLastChange = ::GetTickCount();
}

void CXTPToolTipWindow::OnMouseMove(UINT, CPoint)
{
    // A tip under the mouse is in the way.
    Show(nullptr);
}

CString CXTPToolTipWindow::ToolText(const ToolItem& tool)
{
    CString strText = tool.strText;
    if (tool.bCallback) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = m_hWnd;
        info.hdr.idFrom = tool.uId;
        info.hdr.code = TTN_GETDISPINFOW;
        info.uFlags = tool.uFlags;
        HWND hAsked = ::GetParent(tool.hwnd);
        if (hAsked == nullptr)
            hAsked = ::GetWindow(m_hWnd, GW_OWNER);
        ::SendMessageW(hAsked, WM_NOTIFY, tool.uId, reinterpret_cast<LPARAM>(&info));
        if (info.lpszText == nullptr)
            strText = info.szText;
        else if (IS_INTRESOURCE(info.lpszText))
            strText.LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)));
        else
            strText = info.lpszText;
    }
    if ((GetStyle() & TTS_NOPREFIX) == 0)
        StripMnemonics(strText);
    return strText;
}

CSize CXTPToolTipWindow::MeasureTip(CDC* pDC)
{
    const CString strText = ToolText(m_currentTool);
    if (strText.IsEmpty())
        return CSize(0, 0);
    CFont* pOldFont = pDC->SelectObject(&m_font);
    CRect rcText(0, 0, m_pContext->GetMaxTipWidth(), 0);
    pDC->DrawText(strText, rcText, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
    CSize size = rcText.Size();
    if (!m_strTitle.IsEmpty()) {
        CRect rcTitle(0, 0, 0, 0);
        pDC->DrawText(m_strTitle, rcTitle, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
        size.cy += rcTitle.Height() + kTitleGap;
        size.cx = std::max<LONG>(size.cx, rcTitle.Width());
    }
    pDC->SelectObject(pOldFont);
    const CRect& rcMargin = m_pContext->GetMargin();
    return CSize(size.cx + rcMargin.left + rcMargin.right + 6, size.cy + rcMargin.top + rcMargin.bottom + 6);
}

void CXTPToolTipWindow::DrawTipText(CDC* pDC, const CRect& rcClient)
{
    const CRect& rcMargin = m_pContext->GetMargin();
    CRect rcText(rcClient.left + rcMargin.left + 3, rcClient.top + rcMargin.top + 3,
                 rcClient.right - rcMargin.right - 3, rcClient.bottom - rcMargin.bottom - 3);
    if (!m_strTitle.IsEmpty()) {
        CRect rcTitle = rcText;
        pDC->DrawText(m_strTitle, rcTitle, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
        pDC->DrawText(m_strTitle, rcTitle, DT_NOPREFIX | DT_SINGLELINE);
        rcText.top += rcTitle.Height() + kTitleGap;
        pDC->FillSolidRect(rcText.left, rcText.top - 4, rcText.Width(), 1, RGB(0, 0, 0));
    }
    pDC->DrawText(ToolText(m_currentTool), rcText, DT_NOPREFIX | DT_WORDBREAK);
}

void CXTPToolTipWindow::DrawTipBackground(CDC* pDC, const CRect& rcClient)
{
    pDC->FillSolidRect(rcClient, m_pContext->GetTipBkColor());
    const COLORREF clrTopLeft =
        (GetStyle() & XTP_TTS_SOFTBORDER) != 0 ? ::GetSysColor(COLOR_BTNFACE) : RGB(0, 0, 0);
    pDC->Draw3dRect(rcClient, clrTopLeft, RGB(0, 0, 0));
}

void CXTPToolTipWindow::PaintTip(CDC* pDC)
{
    const CRect rcClient = ClientRectOf(this);
    CXTMemDC dc(pDC, rcClient);
    DrawTipBackground(&dc, rcClient);
    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetTextColor(m_pContext->GetTipTextColor());
    dc.SetBkMode(TRANSPARENT);
    DrawTipText(&dc, rcClient);
    dc.SelectObject(pOldFont);
}

void CXTPToolTipWindow::OnPaint()
{
    CPaintDC dc(this);
    PaintTip(&dc);
}

LRESULT CXTPToolTipWindow::OnPrintClient(WPARAM wParam, LPARAM)
{
    CDC dc;
    dc.Attach(reinterpret_cast<HDC>(wParam));
    PaintTip(&dc);
    dc.Detach();
    return 0;
}
