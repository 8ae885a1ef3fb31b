#include "CXTBrowseEdit.h"

#include "CXTFolderBrowser.h"
#include "CXTPResourceManager.h"
#include "TrackToolkitPopupMenu.h"

IMPLEMENT_DYNCREATE(CXTBrowseEdit, CXTEdit)

BEGIN_MESSAGE_MAP(CXTBrowseEdit, CXTEdit)
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CXTBrowseEdit::CXTBrowseEdit() : m_nGap(::GetSystemMetrics(SM_CXEDGE))
{
    CXTPResourceManager* pResources = GetResourceManager();
    pResources->FetchString(m_strDefExt, kDefaultExtensionId);
    pResources->FetchString(m_strFilter, kFilterId);
    pResources->FetchString(m_strTitle, kFolderTitleId);
}

int CXTBrowseEdit::ButtonWidth()
{
    static const int nWidth = 2 * ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXHTHUMB);
    return nWidth;
}

BOOL CXTBrowseEdit::PrepareBrowseEdit(CWnd* pParentWnd, DWORD dwBrowseStyle, UINT nMenu, int nSubMenuIndx)
{
    if (!Initialize(pParentWnd))
        return FALSE;
    if ((dwBrowseStyle & BrowseKindMask) == 0)
        return TRUE;
    m_dwBrowseStyle = dwBrowseStyle;
    m_nMenu = nMenu;
    m_nSubMenuIndx = nSubMenuIndx;
    if (!m_browseButton.Create(this, dwBrowseStyle, kButtonId, nMenu, nSubMenuIndx))
        return FALSE;
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    GetParent()->ScreenToClient(&rcEdit);
    SetWindowPos(nullptr, rcEdit.left, rcEdit.top, rcEdit.Width() - m_nGap - ButtonWidth(), rcEdit.Height(),
                 SWP_FRAMECHANGED | SWP_NOZORDER);
    PositionBrowseButton();
    return TRUE;
}

void CXTBrowseEdit::PositionBrowseButton()
{
    if (!::IsWindow(m_browseButton.GetSafeHwnd()))
        return;
    CWnd* pParent = GetParent();
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    pParent->ScreenToClient(&rcEdit);
    const CRect rcButton(rcEdit.right + m_nGap, rcEdit.top, rcEdit.right + m_nGap + ButtonWidth(), rcEdit.bottom);
    m_browseButton.SetWindowPos(this, rcButton.left, rcButton.top, rcButton.Width(), rcButton.Height(),
                                SWP_FRAMECHANGED | SWP_NOACTIVATE);
    pParent->InvalidateRect(CRect(rcEdit.left, rcEdit.top, rcButton.right, rcButton.bottom));
}

void CXTBrowseEdit::OnEnable(BOOL bEnable)
{
    Default();
    if (::IsWindow(m_browseButton.GetSafeHwnd()))
        m_browseButton.EnableWindow(bEnable);
    Invalidate();
}

void CXTBrowseEdit::OnShowWindow(BOOL bShow, UINT /*nStatus*/)
{
    Default();
    if (::IsWindow(m_browseButton.GetSafeHwnd()))
        m_browseButton.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CXTBrowseEdit::OnWindowPosChanged(WINDOWPOS* /*lpwndpos*/)
{
    Default();
    PositionBrowseButton();
}

void CXTBrowseEdit::RunBrowseAction()
{
    switch (m_dwBrowseStyle & BrowseKindMask) {
    case BrowseFolder:
        ChooseFolder();
        break;
    case BrowseFile:
        ChooseFile();
        break;
    case BrowsePopupMenu:
        ShowPopupMenu();
        break;
    default:
        return;
    }
    // The dialog may have taken the edit's parent down with it.
    if (::IsWindow(m_hWnd) && CWnd::GetFocus() != this) {
        SetSel(0, -1); // and scrolls the caret into view
        SetFocus();
    }
}

void CXTBrowseEdit::ChooseFolder()
{
    m_bDialogOpen = TRUE;
    CXTFolderBrowser browser;
    browser.SetOwner(m_pParentWnd->GetSafeHwnd());
    browser.SetTitle(m_strTitle);
    CString strStart;
    GetWindowText(strStart);
    browser.SetSelPath(strStart);
    if (browser.DoModal() == IDOK)
        SetWindowText(browser.GetSelPath());
    m_bDialogOpen = FALSE;
}

void CXTBrowseEdit::ChooseFile()
{
    m_bDialogOpen = TRUE;
    if (m_pFileDialog != nullptr) {
        if (m_pFileDialog->DoModal() == IDOK)
            SetWindowText(m_pFileDialog->GetPathName());
    } else {
        CFileDialog dialog(m_bOpenFileDialog, m_strDefExt, m_strFileName, m_dwFlags, m_strFilter, m_pParentWnd);
        if (dialog.DoModal() == IDOK)
            SetWindowText(dialog.GetPathName());
    }
    m_bDialogOpen = FALSE;
}

void CXTBrowseEdit::ShowPopupMenu()
{
    if (m_bDialogOpen)
        return; // the menu is open already
    m_bDialogOpen = TRUE;
    m_browseButton.SetState(TRUE);
    CMenu menu;
    if (GetResourceManager()->FetchMenu(menu, m_nMenu)) {
        if (CMenu* pPopup = menu.GetSubMenu(m_nSubMenuIndx)) {
            CRect rcButton;
            m_browseButton.GetWindowRect(&rcButton);
            CWnd* pOwner = this;
            while (pOwner->GetParent() != nullptr && (pOwner->GetStyle() & WS_CHILD))
                pOwner = pOwner->GetParent();
            TrackToolkitPopupMenu(pPopup, TPM_VERTICAL, rcButton.right, rcButton.top, pOwner);
        }
    }
    if (::IsWindow(m_browseButton.GetSafeHwnd()))
        m_browseButton.SetState(FALSE);
    m_bDialogOpen = FALSE;
}
