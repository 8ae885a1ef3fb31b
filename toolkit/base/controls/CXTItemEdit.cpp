#include "CXTItemEdit.h"

IMPLEMENT_DYNCREATE(CXTItemEdit, CXTBrowseEdit)

BEGIN_MESSAGE_MAP(CXTItemEdit, CXTBrowseEdit)
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CXTItemEdit::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    if (pNewWnd == nullptr || pNewWnd->GetSafeHwnd() != m_browseButton.GetSafeHwnd())
        EndLabelEdit();
}

void CXTItemEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    switch (nChar) {
    case VK_ESCAPE:
        m_bCancelled = TRUE;
        EndLabelEdit();
        break;
    case VK_RETURN:
        EndLabelEdit();
        break;
    default:
        Default();
        break;
    }
}
