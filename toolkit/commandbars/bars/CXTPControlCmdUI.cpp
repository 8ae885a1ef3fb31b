#include "CXTPControlCmdUI.h"

#include "CXTPControl.h"

void CXTPControlCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    m_pControl->SetEnabled(bOn);
    // A disabled command shows no check mark.
    if (!bOn)
        m_pControl->SetChecked(0);
}

void CXTPControlCmdUI::SetCheck(int nCheck)
{
    m_pControl->SetChecked(nCheck);
}

void CXTPControlCmdUI::SetText(LPCTSTR lpszText)
{
    m_pControl->SetCaption(lpszText);
}
