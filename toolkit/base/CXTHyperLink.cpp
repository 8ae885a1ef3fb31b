#include "CXTHyperLink.h"

BEGIN_MESSAGE_MAP(CXTHyperLink, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
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

void CXTHyperLink::SetBackColor(COLORREF clr)
{
    m_clrBack = clr;
    m_brushBack.DeleteObject();
    if (::IsWindow(m_hWnd))
        Invalidate();
}

HBRUSH CXTHyperLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    // The link paints on its own background colour, whatever the dialog's is.
    if (m_brushBack.GetSafeHandle() == nullptr)
        m_brushBack.CreateSolidBrush(m_clrBack);
    pDC->SetBkColor(m_clrBack);
    return static_cast<HBRUSH>(m_brushBack.GetSafeHandle());
}
