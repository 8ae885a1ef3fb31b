#include "ToolTipMouseHook.h"

#include "CXTPToolTipWindow.h"
#include "ToolTipWindowFromPoint.h"

namespace {

HHOOK g_hHook = nullptr;
CXTPToolTipWindow* g_pOwner = nullptr;

} // namespace

void ToolTipMouseHook::Install(CXTPToolTipWindow* pWindow)
{
    if (g_pOwner != nullptr)
        return;
    g_hHook = ::SetWindowsHookExW(WH_MOUSE, &MouseProc, nullptr, ::GetCurrentThreadId());
    if (g_hHook != nullptr)
        g_pOwner = pWindow;
}

void ToolTipMouseHook::Remove(CXTPToolTipWindow* pWindow)
{
    if (g_pOwner != pWindow || g_pOwner == nullptr)
        return;
    ::UnhookWindowsHookEx(g_hHook);
    g_hHook = nullptr;
    g_pOwner = nullptr;
}

CXTPToolTipWindow* ToolTipMouseHook::Owner()
{
    return g_pOwner;
}

LRESULT CALLBACK ToolTipMouseHook::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const HHOOK hHook = g_hHook;
    if (nCode == HC_ACTION && g_pOwner != nullptr && g_pOwner->HasCurrentTool()) {
        const auto* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        if (ToolTipWindowFromPoint(pInfo->pt) != g_pOwner->CurrentToolWindow()) {
            MSG msg{g_pOwner->GetSafeHwnd(), WM_MOUSEMOVE, 0, 0, static_cast<DWORD>(::GetMessageTime()), pInfo->pt};
            g_pOwner->RelayEvent(&msg);
        }
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}
