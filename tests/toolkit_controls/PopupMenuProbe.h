#pragma once
// Looks at a popup menu while its modal loop runs, then closes it.
#include <windows.h>

#include <functional>
#include <map>

struct OpenedMenu {
    bool shown = false;
    RECT rect{};                     // the menu window, in screen coordinates
    std::map<UINT, bool> enabled;    // command id -> enabled
};

// Calls open (which shows a popup menu and returns when it closes); once the
// menu window shows, whileOpen runs, the menu is noted and closed. Gives up
// after five seconds without a menu window.
OpenedMenu WatchPopupMenu(const std::function<void()>& open, const std::function<void()>& whileOpen = {});
