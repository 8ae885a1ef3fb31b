#pragma once
// The popup menu of the toolkit's standard controls.
#include "Framework.h"

// Shows pMenu at (x, y) for pWndOwner, as a command-bar popup in the current
// theme with the icons of toolbar resource nIDToolBar when that is above 0.
// Answers as the platform's TrackPopupMenu does for nFlags (with
// TPM_RETURNCMD the chosen command, else non-zero on success; 0 when nothing
// was chosen or on failure).
int TrackToolkitPopupMenu(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWndOwner, int nIDToolBar = 0);
