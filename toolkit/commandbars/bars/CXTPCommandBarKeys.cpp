// Keys and mnemonics of a tracking command bar.
#include "CXTPCommandBar.h"

int CXTPCommandBar::OnKeyDown(UINT /*nChar*/, LPARAM /*lParam*/)
{
    return 0;
}

int CXTPCommandBar::FindAccelControl(UINT /*nChar*/, BOOL& bMultiple)
{
    bMultiple = FALSE;
    return -1;
}
