#include "TrackToolkitPopupMenu.h"

int TrackToolkitPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, int /*nIDToolBar*/)
{
    // The plain command bars have no paint manager that draws popup bars: the
    // platform shows the menu, with the same flags at the same point, and
    // without icons.
    return ::TrackPopupMenu(pMenu->GetSafeHmenu(), nFlags, x, y, 0, pWndOwner->GetSafeHwnd(), nullptr);
}
