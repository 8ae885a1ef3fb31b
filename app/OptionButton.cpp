#include "OptionButton.h"

#include "WizardMessages.h"

BEGIN_MESSAGE_MAP(OptionButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL OptionButton::OnClicked()
{
    const LRESULT checked = SendMessage(BM_GETCHECK, 0, 0);
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_OPTION_CLICKED, checked == 0 ? 1 : 0, m_nOption);
    // The state at this moment, after the parent had its say, is flipped.
    SendMessage(BM_SETCHECK, SendMessage(BM_GETCHECK, 0, 0) == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}
