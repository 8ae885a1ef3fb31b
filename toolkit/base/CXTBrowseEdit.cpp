#include "CXTBrowseEdit.h"

#include "FolderPickerDialog.h"

BEGIN_MESSAGE_MAP(CXTBrowseEdit, CXTEdit)
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CXTBrowseEdit::CXTBrowseEdit() : m_nGap(::GetSystemMetrics(SM_CXEDGE)) {}

int CXTBrowseEdit::ButtonWidth()
{
    static const int nWidth = 2 * ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXHTHUMB);
    return nWidth;
}

BOOL CXTBrowseEdit::PrepareBrowseEdit(CWnd* pParentWnd, DWORD dwBrowseStyle, UINT nMenu, int nSubMenuIndx)
{
    if (!BindToParent(pParentWnd))
        return FALSE;
    if ((dwBrowseStyle & BrowseKindMask) == 0)
        return TRUE;
    m_dwBrowseStyle = dwBrowseStyle;
    m_nMenu = nMenu;
    m_nSubMenuIndx = nSubMenuIndx;
    if (!m_browseButton.Create(this, dwBrowseStyle, CXTBrowseButton::kControlId, nMenu, nSubMenuIndx))
        return FALSE;
    CRect rcEdit;
    GetWindowRect(&rcEdit);
    GetParent()->ScreenToClient(&rcEdit);
    // Narrowing the edit moves the button through WM_WINDOWPOSCHANGED.
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
    if (::IsWindow(m_hWnd) && CWnd::GetFocus() != this) {
        SetSel(0, -1, TRUE);
        SendMessage(EM_SCROLLCARET);
        SetFocus();
    }
}

void CXTBrowseEdit::ChooseFolder()
{
    m_bDialogOpen = TRUE;
    FolderPickerDialog dialog(m_pParentWnd);
    dialog.m_strTitle = m_strTitle;
    CString strStart;
    GetWindowText(strStart);
    ::lstrcpynW(dialog.m_szPath, strStart, MAX_PATH);
    if (dialog.DoModal() == IDOK)
        SetWindowText(dialog.m_szPath);
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
        return; // the menu is already open
    m_bDialogOpen = TRUE;
    m_browseButton.SetState(TRUE);
    HMENU hMenu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nMenu));
    HMENU hPopup = hMenu != nullptr ? ::GetSubMenu(hMenu, m_nSubMenuIndx) : nullptr;
    if (hPopup != nullptr) {
        CRect rcButton;
        m_browseButton.GetWindowRect(&rcButton);
        CWnd* pOwner = GetParent();
        while (pOwner != nullptr && (pOwner->GetStyle() & WS_CHILD))
            pOwner = pOwner->GetParent();
        ::TrackPopupMenu(hPopup, TPM_VERTICAL, rcButton.right, rcButton.top, 0,
                         pOwner != nullptr ? pOwner->GetSafeHwnd() : GetSafeHwnd(), nullptr);
    }
    if (hMenu != nullptr)
        ::DestroyMenu(hMenu);
    if (::IsWindow(m_browseButton.GetSafeHwnd()))
        m_browseButton.SetState(FALSE);
    m_bDialogOpen = FALSE;
}
