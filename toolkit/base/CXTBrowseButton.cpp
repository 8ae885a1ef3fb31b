#include "CXTBrowseButton.h"

#include "CXTBrowseEdit.h"
#include "ToolkitLookData.h"

BEGIN_MESSAGE_MAP(CXTBrowseButton, CXTButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

BOOL CXTBrowseButton::Create(CXTBrowseEdit* pEdit, DWORD dwBrowseStyle, UINT nID, UINT nMenu, int nSubMenuIndx)
{
    m_pEdit = pEdit;
    m_dwBrowseStyle = dwBrowseStyle;
    m_nMenu = nMenu;
    m_nSubMenuIndx = nSubMenuIndx;
    DWORD dwStyle = WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
    if (pEdit->GetStyle() & WS_VISIBLE)
        dwStyle |= WS_VISIBLE;
    if (!CButton::Create(L"...", dwStyle, CRect(0, 0, 0, 0), pEdit->GetParent(), nID))
        return FALSE;
    SetFont(&ToolkitLookData().fontNormal);
    EnableWindow(pEdit->IsWindowEnabled());
    return TRUE;
}

BOOL CXTBrowseButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_SPACE)) {
        OnClicked();
        return TRUE;
    }
    return CXTButton::PreTranslateMessage(pMsg);
}

void CXTBrowseButton::OnClicked()
{
    if (m_pEdit != nullptr)
        m_pEdit->RunBrowseAction();
}
