#include "TipHostWindow.h"

namespace {

constexpr int kToolWidth = 100;
constexpr int kToolHeight = 50;
constexpr int kGap = 40;

} // namespace

TipHostWindow::TipHostWindow(CPoint origin, std::vector<Tool> tools, std::unique_ptr<CXTPToolTipContext> pContext)
    : m_pContext(pContext != nullptr ? std::move(pContext) : std::make_unique<CXTPToolTipContext>()),
      m_tools(std::move(tools)), m_origin(origin)
{
    CRect bounds(0, 0, 0, 0);
    for (const Tool& tool : m_tools)
        bounds.UnionRect(bounds, tool.rect);
    const int width = bounds.right + 10;
    const int height = bounds.bottom + 10;
    CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH))),
             L"tip host", WS_POPUP | WS_VISIBLE, CRect(origin, CSize(width, height)), nullptr, 0);
    EnableToolTips();
}

TipHostWindow::~TipHostWindow()
{
    DestroyWindow();
    m_pContext.reset();
}

std::vector<TipHostWindow::Tool> TipHostWindow::ToolsInARow(const std::vector<CString>& texts)
{
    std::vector<Tool> tools;
    for (size_t i = 0; i < texts.size(); ++i) {
        const int left = 10 + static_cast<int>(i) * (kToolWidth + kGap);
        tools.push_back(Tool{CRect(left, 10, left + kToolWidth, 10 + kToolHeight), texts[i], {}, {}, false});
    }
    return tools;
}

HWND TipHostWindow::ShownTip() const
{
    CWnd* pTip = m_pContext->GetToolTip();
    HWND hTip = pTip != nullptr ? pTip->GetSafeHwnd() : nullptr;
    return hTip != nullptr && ::IsWindowVisible(hTip) ? hTip : nullptr;
}

CPoint TipHostWindow::ToolPoint(size_t i) const
{
    return m_origin + m_tools[i].rect.CenterPoint();
}

CPoint TipHostWindow::GapPoint(size_t i) const
{
    return m_origin + CPoint(m_tools[i].rect.right + kGap / 2, m_tools[i].rect.CenterPoint().y);
}

INT_PTR TipHostWindow::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    for (size_t i = 0; i < m_tools.size(); ++i) {
        const Tool& tool = m_tools[i];
        if (!tool.rect.PtInRect(point))
            continue;
        const INT_PTR nId = static_cast<INT_PTR>(i) + 1;
        if (tool.callback) {
            pTI->hwnd = m_hWnd;
            pTI->uId = static_cast<UINT_PTR>(nId);
            pTI->rect = tool.rect;
            pTI->lpszText = LPSTR_TEXTCALLBACKW;
        } else {
            CXTPToolTipContext::FillInToolInfo(pTI, m_hWnd, tool.rect, nId, tool.text, tool.title, tool.body);
        }
        return nId;
    }
    return -1;
}

LRESULT TipHostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEMOVE) {
        m_lastMove = std::chrono::steady_clock::now();
        if (m_firstMoveSinceMark == std::chrono::steady_clock::time_point{})
            m_firstMoveSinceMark = m_lastMove;
    }
    m_pContext->FilterToolTipMessage(this, message, wParam, lParam);
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW) {
        ++m_nCallbacks;
        reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = const_cast<LPWSTR>(L"Asked of the owner");
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

bool PumpUntil(const std::function<bool()>& done, unsigned boundMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(boundMs);
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (done())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

bool MovePointer(TipHostWindow& window, CPoint point)
{
    // A move to where the pointer is makes no event: step aside first.
    POINT cursor;
    if (::GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y
        && !MovePointer(window, point + CPoint(1, 1)))
        return false;
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = ::MulDiv(point.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(point.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    const auto before = window.LastMoveSeen();
    ::SendInput(1, &input, sizeof(input));
    const bool inside = ::WindowFromPoint(point) == window.GetSafeHwnd();
    return PumpUntil([&] {
        POINT cursor;
        ::GetCursorPos(&cursor);
        return cursor.x == point.x && cursor.y == point.y && (!inside || window.LastMoveSeen() != before);
    }, 3000);
}

void ClickPointer()
{
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

bool BringToFront(HWND hWnd)
{
    ::SetForegroundWindow(hWnd);
    return PumpUntil([&] { return ::GetForegroundWindow() == hWnd; }, 3000);
}
