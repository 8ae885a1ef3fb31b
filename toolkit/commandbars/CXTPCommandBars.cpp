#include "CXTPCommandBars.h"

#include "CXTPCommandBarsOptions.h"
#include "CXTPControl.h"
#include "CXTPCustomizeDropSource.h"
#include "CXTPDockBar.h"
#include "CXTPImageManager.h"
#include "CXTPMouseTracker.h"
#include "CXTPPaintManager.h"
#include "CXTPPropExchangeRegistry.h"
#include "CXTPShortcutManager.h"
#include "CXTPToolBar.h"
#include "CXTPToolTipContext.h"

IMPLEMENT_DYNCREATE(CXTPCommandBars, CCmdTarget)

CXTPCommandBars::CXTPCommandBars()
{
    m_pDropSource = new CXTPCustomizeDropSource(this);
    m_pOptions = new CXTPCommandBarsOptions;
    m_pOptions->pCommandBars = this;
    m_pToolTipContext = new CXTPToolTipContext;
    // Bar captions carry "&" mnemonics: the tip shows them as typed.
    m_pToolTipContext->ModifyToolTipStyle(TTS_NOPREFIX, 0);
    m_pShortcutManager = new CXTPShortcutManager(this);
}

CXTPCommandBars::~CXTPCommandBars()
{
    if (m_pCustomizeSelected != nullptr)
        m_pCustomizeSelected->InternalRelease();
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        m_arrBars[i]->InternalRelease();
    m_arrBars.RemoveAll();
    for (CXTPDockBar*& pDockBar : m_pDocks) {
        delete pDockBar;
        pDockBar = nullptr;
    }
    delete m_pDropSource;
    if (m_pPaintManager != nullptr)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager != nullptr)
        m_pImageManager->InternalRelease();
    m_pToolTipContext->InternalRelease();
    m_pShortcutManager->InternalRelease();
    m_pOptions->InternalRelease();
}

void CXTPCommandBars::AttachFrame(CWnd* pFrame)
{
    m_pFrame = pFrame;
    // Asked with a handler record, so the handler is found but not run.
    AFX_CMDHANDLERINFO info{};
    m_bCustomizeAvail = pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr
                        && pFrame->OnCmdMsg(XTP_ID_CUSTOMIZE, CN_COMMAND, nullptr, &info);
}

CXTPCommandBar* CXTPCommandBars::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrBars[nIndex] : nullptr;
}

int CXTPCommandBars::IndexOf(CXTPCommandBar* pBar) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_arrBars[i] == pBar)
            return i;
    }
    return -1;
}

CXTPCommandBar* CXTPCommandBars::FindCommandBar(UINT nBarID) const
{
    if (nBarID == 0)
        return nullptr;
    for (int i = 0; i < GetCount(); ++i) {
        if (static_cast<UINT>(m_arrBars[i]->GetBarID()) == nBarID)
            return m_arrBars[i];
    }
    return nullptr;
}

CXTPDockBar* CXTPCommandBars::GetDockBar(int nPosition) const
{
    return nPosition >= 0 && nPosition < 4 ? m_pDocks[nPosition] : nullptr;
}

void CXTPCommandBars::AppendBar(CXTPCommandBar* pBar)
{
    m_arrBars.Add(pBar);
}

void CXTPCommandBars::RedrawCommandBars()
{
    for (int i = 0; i < GetCount(); ++i) {
        CXTPCommandBar* pBar = m_arrBars[i];
        if (pBar->IsVisible() && pBar->GetSafeHwnd() != nullptr) {
            pBar->SetState(pBar->GetState() & ~XTP_BARSTATE_REDRAW);
            if (!pBar->IsRedrawLocked())
                pBar->Invalidate(FALSE);
        }
    }
}

void CXTPCommandBars::RecalcFrameLayout(BOOL bDelay)
{
    if (m_nLockLayout > 0 || m_pFrame == nullptr || m_pFrame->GetSafeHwnd() == nullptr)
        return;
    if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, m_pFrame)) {
        if (bDelay)
            pFrame->DelayRecalcLayout(FALSE);
        else
            pFrame->RecalcLayout(FALSE);
        return;
    }
    CRect rc;
    m_pFrame->GetClientRect(&rc);
    const LPARAM lParam = MAKELPARAM(rc.Width(), rc.Height());
    if (bDelay)
        m_pFrame->PostMessage(WM_SIZE, SIZE_RESTORED, lParam);
    else
        m_pFrame->SendMessage(WM_SIZE, SIZE_RESTORED, lParam);
}

void CXTPCommandBars::FlushFrameLayout()
{
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, m_pFrame);
    if (pFrame != nullptr && (pFrame->m_nIdleFlags & CFrameWnd::idleLayout)) {
        pFrame->RecalcLayout(FALSE);
        pFrame->m_nIdleFlags &= ~CFrameWnd::idleLayout;
    }
}

void CXTPCommandBars::UpdateAllBars()
{
    LockLayout();
    for (int i = 0; i < GetCount(); ++i) {
        if (m_arrBars[i]->IsVisible())
            m_arrBars[i]->OnRecalcLayout();
    }
    UnlockLayout();
    RecalcFrameLayout();
}

BOOL CXTPCommandBars::IsLayoutRTL() const
{
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr
        && (m_pFrame->GetExStyle() & WS_EX_LAYOUTRTL))
        return TRUE;
    return m_bRightToLeft;
}

CXTPMouseTracker* CXTPCommandBars::GetMouseTracker()
{
    if (m_pMouseTracker == nullptr)
        m_pMouseTracker = CXTPMouseTracker::GetThreadTracker();
    return m_pMouseTracker;
}

void CXTPCommandBars::CloseAllMenus()
{
    GetMouseTracker()->CloseAll();
}

void CXTPCommandBars::OnSetPreviewMode(BOOL bPreview)
{
    m_pShortcutManager->OnPreviewMode(bPreview);
    for (int i = 0; i < GetCount(); ++i) {
        if (auto* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, m_arrBars[i]))
            pToolBar->OnSetPreviewMode(bPreview);
    }
}

CXTPPaintManager* CXTPCommandBars::GetPaintManager() const
{
    if (m_pPaintManager != nullptr)
        return m_pPaintManager;
    if (CXTPPaintManager::GetGlobalPaintManager() == nullptr)
        CXTPPaintManager::SetTheme(0);
    return CXTPPaintManager::GetGlobalPaintManager();
}

void CXTPCommandBars::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (m_pPaintManager != nullptr)
        m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
    if (m_pPaintManager != nullptr)
        m_pPaintManager->RefreshMetrics();
}

CXTPImageManager* CXTPCommandBars::GetImageManager() const
{
    return m_pImageManager != nullptr ? m_pImageManager : XTPImageManager();
}

void CXTPCommandBars::SetImageManager(CXTPImageManager* pImageManager)
{
    if (m_pImageManager != nullptr)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
}

void CXTPCommandBars::SaveOptions(LPCTSTR lpszSection)
{
    ExchangeOptions(lpszSection, FALSE);
}

void CXTPCommandBars::LoadOptions(LPCTSTR lpszSection)
{
    ExchangeOptions(lpszSection, TRUE);
}

void CXTPCommandBars::ExchangeOptions(LPCTSTR lpszSection, BOOL bLoading)
{
    HKEY hAppKey = AfxGetApp() != nullptr ? AfxGetApp()->GetAppRegistryKey() : nullptr;
    if (hAppKey == nullptr)
        return;
    CString strSection;
    strSection.Format(L"%s-Options", lpszSection);
    {
        CXTPPropExchangeRegistry px(bLoading, hAppKey, strSection);
        m_pOptions->DoPropExchange(&px, TRUE);
    }
    ::RegCloseKey(hAppKey);
}
