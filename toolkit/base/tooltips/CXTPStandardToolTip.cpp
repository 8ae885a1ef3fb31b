#include "CXTPStandardToolTip.h"

#include "ToolTipWindowFromPoint.h"

BEGIN_MESSAGE_MAP(CXTPStandardToolTip, CToolTipCtrl)
    ON_MESSAGE(TTM_WINDOWFROMPOINT, OnWindowFromPoint)
END_MESSAGE_MAP()

LRESULT CXTPStandardToolTip::OnWindowFromPoint(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(ApplyUseParentRule(reinterpret_cast<HWND>(Default())));
}
