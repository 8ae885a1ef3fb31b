#pragma once
// The platform's tooltip control (plain or balloon) with the toolkit's rule
// for the window under a point: a child that answers WM_TOOLTIP_USE_PARENT
// lets its parent count.
#include "CToolTipCtrl.h"

class CXTPStandardToolTip : public CToolTipCtrl {
protected:
    LRESULT OnWindowFromPoint(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
