#include "PopupMenuProbe.h"

namespace {

OpenedMenu g_opened;
std::function<void()> g_whileOpen;
int g_ticks = 0;

// A thread timer: the menu's modal loop dispatches it.
void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hMenuWnd = ::FindWindowW(L"#32768", nullptr);
    if (hMenuWnd != nullptr && ::IsWindowVisible(hMenuWnd)) {
        if (g_opened.shown)
            return; // closing already
        g_opened.shown = true;
        if (g_whileOpen)
            g_whileOpen();
        ::GetWindowRect(hMenuWnd, &g_opened.rect);
        auto hMenu = reinterpret_cast<HMENU>(::SendMessageW(hMenuWnd, MN_GETHMENU, 0, 0));
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
            const UINT nID = ::GetMenuItemID(hMenu, i);
            if (nID != 0)
                g_opened.enabled[nID] = (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_GRAYED) == 0;
        }
        ::EndMenu();
    } else if (++g_ticks > 250) {
        ::EndMenu();
    }
}

} // namespace

OpenedMenu WatchPopupMenu(const std::function<void()>& open, const std::function<void()>& whileOpen)
{
    g_opened = OpenedMenu();
    g_whileOpen = whileOpen;
    g_ticks = 0;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, LookAtMenu);
    open();
    ::KillTimer(nullptr, nTimer);
    g_whileOpen = nullptr;
    return g_opened;
}
