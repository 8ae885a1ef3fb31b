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
        HWND hUnder = ToolTipWindowFromPoint(pInfo->pt);
        if (hUnder != g_pOwner->CurrentToolWindow()) {
            POINT client = pInfo->pt;
            ::ScreenToClient(hUnder, &client);
            const WPARAM wButtons = ((::GetKeyState(VK_LBUTTON) & 0x8000) ? MK_LBUTTON : 0)
                | ((::GetKeyState(VK_RBUTTON) & 0x8000) ? MK_RBUTTON : 0)
                | ((::GetKeyState(VK_MBUTTON) & 0x8000) ? MK_MBUTTON : 0);
            MSG msg{hUnder, WM_MOUSEMOVE, wButtons, MAKELPARAM(client.x, client.y),
                    static_cast<DWORD>(::GetMessageTime()), pInfo->pt};
            g_pOwner->RelayEvent(&msg);
        }
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}
