#include "CXTHyperLink.h"

BEGIN_MESSAGE_MAP(CXTHyperLink, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
END_MESSAGE_MAP()

void CXTHyperLink::PreSubclassWindow()
{
    // Clicks reach the control only with SS_NOTIFY.
    ModifyStyle(0, SS_NOTIFY);
    CStatic::PreSubclassWindow();
}

void CXTHyperLink::OnClicked()
{
    if (!m_strURL.IsEmpty())
        ::ShellExecuteW(m_hWnd, L"open", m_strURL, nullptr, nullptr, SW_SHOW);
}
