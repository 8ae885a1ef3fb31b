#pragma once
// The process's one mouse hook of the toolkit's own tooltip windows: while a
// tip shows, a mouse action outside the tool's window reaches the showing
// window as a relayed WM_MOUSEMOVE, even when the owner does not see it.
#include "Framework.h"

class CXTPToolTipWindow;

class ToolTipMouseHook {
public:
    // Installs the hook for pWindow; nothing while another window owns it.
    static void Install(CXTPToolTipWindow* pWindow);
    // Removes the hook when pWindow owns it.
    static void Remove(CXTPToolTipWindow* pWindow);
    // The window that owns the hook, null when none does.
    static CXTPToolTipWindow* Owner();

private:
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);
};
