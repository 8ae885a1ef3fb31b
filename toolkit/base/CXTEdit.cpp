#include "CXTEdit.h"

#include "ToolkitLookData.h"

BOOL CXTEdit::BindToParent(CWnd* pParentWnd)
{
    if (!::IsWindow(GetSafeHwnd()) || pParentWnd == nullptr || !::IsWindow(pParentWnd->GetSafeHwnd()))
        return FALSE;
    SetFont(&ToolkitLookData().fontNormal);
    m_pParentWnd = pParentWnd;
    return TRUE;
}
