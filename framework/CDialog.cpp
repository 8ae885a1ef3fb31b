#include "CDialog.h"

#include "CFont.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

namespace {

LPCDLGTEMPLATE LoadDialogTemplate(LPCTSTR lpszTemplateName)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceW(hInst, lpszTemplateName, MAKEINTRESOURCEW(5));
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

} // namespace

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    // The dialog's messages reach the object through its window procedure;
    // only WM_INITDIALOG's answer (set the focus or not) comes from here.
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (pDlg == nullptr)
        return TRUE;
    CRect rectBefore;
    pDlg->GetWindowRect(&rectBefore);
    BOOL bSetFocus = pDlg->OnInitDialog();
    // A popup dialog the program did not place itself is centred over its owner.
    CRect rectAfter;
    if (::IsWindow(hWnd)) {
        pDlg->GetWindowRect(&rectAfter);
        DWORD dwStyle = pDlg->GetStyle();
        if (rectAfter == rectBefore && !(dwStyle & WS_CHILD) && !(dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)))
            pDlg->CenterWindow();
    }
    return bSetFocus;
}

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCEW(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    LPCDLGTEMPLATE lpTemplate = LoadDialogTemplate(lpszTemplateName);
    if (lpTemplate == nullptr)
        return FALSE;
    return CreateIndirect(lpTemplate, pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd);
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(AfxGetResourceHandle(), lpDialogTemplate, pParentWnd->GetSafeHwnd(),
                                             &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == nullptr && m_hWnd != nullptr) {
        // Failed after it was attached (the window is gone already).
        Detach();
    }
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate = m_lpszTemplateName != nullptr ? LoadDialogTemplate(m_lpszTemplateName) : nullptr;
    if (lpTemplate == nullptr)
        return -1;

    // The owner: the parent's top-level window (or the main window), disabled while the dialog runs.
    HWND hWndTop = nullptr;
    CWnd* pOwner = CWnd::GetSafeOwner(m_pParentWnd, &hWndTop);
    HWND hWndParent = pOwner->GetSafeHwnd();
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent)) && (m_nFlags & WF_CONTINUEMODAL)) {
        DWORD dwFlags = MLF_SHOWONIDLE;
        if (GetStyle() & DS_NOIDLEMSG)
            dwFlags |= MLF_NOIDLEMSG;
        RunModalLoop(dwFlags);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;

    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    // Enable the owner before the dialog goes, so activation returns to it.
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd != nullptr)
        DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    // Controls get their values; a failure here is not fatal.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnSetFont(CFont*) {}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), 1);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::IsDialogMessage(LPMSG lpMsg)
{
    return ::IsDialogMessageW(m_hWnd, lpMsg);
}

BOOL CDialog::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST)
        && (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Keyboard navigation (Tab, arrows, Enter, Escape) of the dialog's controls.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return PreTranslateInput(pMsg);
    return FALSE;
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if ((nCode != CN_COMMAND && nCode != static_cast<int>(CN_UPDATE_COMMAND_UI)) || nID >= 0xF000)
        return FALSE;
    // Last chance for commands: the application.
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
