#include "CXTPFrameWnd.h"

#include "CXTPCommandBars.h"
#include "CXTPEdit.h"
#include "CXTPShortcutManager.h"

IMPLEMENT_DYNCREATE(CXTPFrameWnd, CFrameWnd)

CXTPFrameWnd::~CXTPFrameWnd()
{
    if (m_pCommandBars != nullptr)
        m_pCommandBars->InternalRelease();
}

BOOL CXTPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && pMsg->wParam != VK_TAB
        && pMsg->wParam != VK_RETURN && pMsg->wParam != VK_ESCAPE
        && DYNAMIC_DOWNCAST(CXTPEdit, CWnd::GetFocus()) != nullptr)
        return FALSE;
    if (CFrameWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return m_pCommandBars != nullptr && m_pCommandBars->PreTranslateFrameMessage(pMsg);
}

BOOL CXTPFrameWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pCommandBars != nullptr && m_pCommandBars->OnFrameWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    if (message == WM_CMDBARS_CONTROLNOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == nullptr)
            return FALSE;
        LRESULT lResult = 0;
        AFX_NOTIFY notify{&lResult, pNMHDR};
        if (!OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), MAKELONG(LOWORD(pNMHDR->code), WM_NOTIFY), &notify, nullptr))
            return FALSE;
        if (pResult != nullptr)
            *pResult = lResult;
        return TRUE;
    }
    return CFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
}

BOOL CXTPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // Only the shortcut manager's table translates keys when it keeps one.
    if (m_pCommandBars != nullptr && m_pCommandBars->GetShortcutManager()->GetAcceleratorTable() != nullptr)
        m_hAccelTable = nullptr;
    return TRUE;
}

void CXTPFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (m_pCommandBars != nullptr)
        m_pCommandBars->OnSetPreviewMode(bPreview);
    CFrameWnd::OnSetPreviewMode(bPreview, pState);
}
