#include "C3PavoSaveNsfToPst.h"

#include "CMainFrame.h"
#include "CUiThreadCall.h"
#include "ToolkitLookData.h"
#include "SavingCompleteDialog.h"
#include "lnapi.h"

IMPLEMENT_DYNCREATE(C3PavoSaveNsfToPst, CPavoCommonBaseView)

BEGIN_MESSAGE_MAP(C3PavoSaveNsfToPst, CPavoCommonBaseView)
    ON_WM_CREATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
const wchar_t kAgain[] = L"Click Next button to convert another file or click Exit button to close the software";
}

C3PavoSaveNsfToPst::C3PavoSaveNsfToPst() = default;

C3PavoSaveNsfToPst::~C3PavoSaveNsfToPst()
{
    // The engine loops end through the stop flags; the thread is waited for, never killed.
    if (CMainFrame* pFrame = CMainFrame::GetFrame())
        pFrame->SetStopFlags(1);
    m_nAborted = 1;
    m_saveThread.Join();
    m_nAborted = 0;
}

int C3PavoSaveNsfToPst::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CPavoCommonBaseView::OnCreate(lpcs) == -1)
        return -1;
    const CRect bar(10, 10, 210, 40);
    m_bar1.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, bar, this, 59394);
    m_bar2.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, bar, this, 59395);
    m_bar3.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, bar, this, 59395);
    m_caption.Create(this, L"", 0, WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 40));
    m_caption.ConfigureCaption(0, &ToolkitLookData().fontNormal, nullptr, nullptr);
    m_caption.ApplyCaptionColors(RGB(0xFF, 0xFE, 0xEF), RGB(0xFF, 0xFE, 0xEF), RGB(0xFF, 0, 0));
    m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_ALIGNLEFT,
                  CRect(10, 10, 410, 210), this, 1);
    m_list.InsertColumn(0, L"File Name", LVCFMT_LEFT, 300);
    m_list.InsertColumn(1, L"Status", LVCFMT_LEFT, 200);
    m_list.InsertColumn(2, L"Server", LVCFMT_LEFT, 200);
    m_list.InsertColumn(3, L"Saved File Location", LVCFMT_LEFT, 200);
    return 0;
}

void C3PavoSaveNsfToPst::OnInitialUpdate()
{
    CPavoCommonBaseView::OnInitialUpdate();
    SetCurrentStep(2);
}

void C3PavoSaveNsfToPst::OnSize(UINT nType, int cx, int cy)
{
    CPavoCommonBaseView::OnSize(nType, cx, cy);
    if (m_list.GetSafeHwnd() == nullptr)
        return;
    const int c = cy / 2;
    const int w = cx - 300;
    m_list.MoveWindow(250, 20, w, c - 120);
    m_caption.MoveWindow(250, c - 80, w, 40);
    m_bar3.MoveWindow(250, c - 20, w, 20);
    m_bar2.MoveWindow(250, c + 20, w, 20);
    m_bar1.MoveWindow(250, c + 60, w, 20);
}

void C3PavoSaveNsfToPst::SetCaption(const CString& text)
{
    if (::IsWindow(m_caption.GetSafeHwnd()))
        m_caption.ChangeCaptionNow(text, nullptr);
}

LRESULT C3PavoSaveNsfToPst::OnStepActivated()
{
    SetCurrentStep(2);
    Invalidate();
    for (ProgressBar* pBar : {&m_bar1, &m_bar2, &m_bar3}) {
        pBar->SetPos(0);
        pBar->ShowWindow(SW_HIDE);
        pBar->SetWindowText(L"");
    }
    m_list.ShowWindow(SW_HIDE);
    m_caption.ShowWindow(SW_HIDE);
    ShowStop(TRUE);
    ShowNext(FALSE);
    ShowBack(FALSE);
    ShowExit(FALSE);
    CMainFrame* pFrame = CMainFrame::GetFrame();
    if (pFrame == nullptr)
        return 1;
    m_caption.ShowWindow(SW_SHOW);
    // Stops any engine loop still running before this save starts.
    pFrame->SetStopFlags(1);
    ::Sleep(2000);
    pFrame->SetStopFlags(0);
    m_nAborted = 0;
    SetCaption(L"Please wait while initializing saving...");
    m_saveThread.Join();
    m_saveThread.Start([this] { return SaveThread(); });
    Invalidate();
    return 1;
}

UINT C3PavoSaveNsfToPst::SaveThread()
{
    CMainFrame* pFrame = CMainFrame::GetFrame();
    if (pFrame == nullptr)
        return 0;
    SettingsRecord& settings = pFrame->GetSettings();
    CNotesReader& reader = pFrame->GetNotesReader();
    Invalidate();
    reader.m_pFolderProgress = &m_bar2;
    reader.m_pItemProgress = &m_bar3;
    ShowStop(TRUE);
    ShowNext(FALSE);
    ShowBack(FALSE);
    ShowExit(FALSE);
    m_bar1.SetPos(0);
    m_bar2.SetPos(0);
    SetCaption(L"Initializing saving .. please wait...");
    for (ProgressBar* pBar : {&m_bar1, &m_bar2, &m_bar3})
        pBar->ShowWindow(SW_HIDE);

    LNNotesSession session;
    session.InitThread();
    if (::IsWindow(m_bar1.GetSafeHwnd()))
        m_bar1.ShowWindow(SW_SHOW);
    if (::IsWindow(m_bar2.GetSafeHwnd())) {
        m_bar2.ShowWindow(SW_SHOW);
        m_bar3.ShowWindow(SW_SHOW);
    }
    const bool bMultiple = settings.m_nMode == SettingsRecord::ModeMultiple;
    if (bMultiple) {
        m_bar1.ShowWindow(SW_SHOW);
        m_list.ShowWindow(SW_SHOW);
        m_list.DeleteAllItems();
        for (INT_PTR i = 0; i < settings.m_databases.GetSize(); ++i) {
            const int item = m_list.InsertItem(static_cast<int>(i), settings.m_databases[i]);
            m_list.SetItemText(item, 1, SaveDriver::kPending);
            m_list.SetItemText(item, 2, i < settings.m_servers.GetSize() ? settings.m_servers[i] : CString());
        }
    } else {
        m_bar1.ShowWindow(SW_HIDE);
        m_list.ShowWindow(SW_HIDE);
    }
    const SaveDriver::Outcome outcome = pFrame->RunSave(&m_list, &m_caption, &m_bar1);
    session.TermThread();
    reader.m_pFolderProgress = nullptr;
    reader.m_pItemProgress = nullptr;

    const bool bAborted = m_nAborted != 0;
    SetCaption(OutcomeCaption(bAborted, outcome));
    m_bar1.ShowWindow(SW_HIDE);
    m_bar2.ShowWindow(SW_HIDE);
    m_bar3.ShowWindow(SW_HIDE);
    // The rows stay readable after a save of several databases.
    if (!bMultiple)
        m_list.ShowWindow(SW_HIDE);
    if (::IsWindow(GetSafeHwnd())) {
        const CString message = OutcomeMessage(bAborted, outcome);
        RunOnUiThread([&] {
            if (message.IsEmpty()) {
                SavingCompleteDialog complete;
                complete.DoModal();
            } else {
                AfxMessageBox(message, MB_OK);
            }
        });
    }
    ShowStop(FALSE);
    ShowNext(TRUE);
    ShowBack(TRUE);
    ShowExit(TRUE);
    SetCurrentStep(4);
    Invalidate();
    return 1;
}

CString C3PavoSaveNsfToPst::OutcomeCaption(bool bAborted, SaveDriver::Outcome outcome)
{
    if (bAborted)
        return CString(L"Process aborted by user , ") + kAgain;
    switch (outcome) {
    case SaveDriver::Saved:
        return CString(L"Saving Complete , ") + kAgain;
    case SaveDriver::Incomplete:
        return CString(L"Some files could not be saved, see their status , ") + kAgain;
    case SaveDriver::Failed:
        return CString(L"The file could not be opened for saving , ") + kAgain;
    case SaveDriver::NotAllSaved:
        return CString(L"Some items could not be saved , ") + kAgain;
    default:
        return L"Outlook is not installed or no profile exist";
    }
}

CString C3PavoSaveNsfToPst::OutcomeMessage(bool bAborted, SaveDriver::Outcome outcome)
{
    if (bAborted)
        return CString(L"Process aborted by user , \r\n") + kAgain;
    switch (outcome) {
    case SaveDriver::Saved:
        return CString();
    case SaveDriver::Incomplete:
        return CString(L"Some files could not be saved, see their status , \r\n") + kAgain;
    case SaveDriver::Failed:
        return CString(L"The file could not be opened for saving , \r\n") + kAgain;
    case SaveDriver::NotAllSaved:
        return CString(L"Some items could not be saved , \r\n") + kAgain;
    default:
        return CString(L"Outlook is not installed or no profile exist , \r\n") + kAgain;
    }
}

void C3PavoSaveNsfToPst::OnStop()
{
    // The save goes on while the question is open; the flags end its loops.
    if (AfxMessageBox(L"Are you sure you want to stop the saving process ?", MB_YESNO) != IDYES)
        return;
    if (CMainFrame* pFrame = CMainFrame::GetFrame()) {
        pFrame->SetStopFlags(1);
        m_nAborted = 1;
    }
}

void C3PavoSaveNsfToPst::OnNext()
{
    if (CMainFrame* pFrame = CMainFrame::GetFrame())
        pFrame->GoToStep(-1);
}

void C3PavoSaveNsfToPst::OnBack()
{
    CMainFrame* pFrame = CMainFrame::GetFrame();
    if (pFrame == nullptr)
        return;
    if (pFrame->GetSettings().m_nMode == SettingsRecord::ModeMultiple)
        pFrame->GoToStep(-1);
    else
        pFrame->GoToPreviousStep(2);
}

void C3PavoSaveNsfToPst::OnExit()
{
    GetParentFrame()->PostMessage(WM_CLOSE, 0, 0);
}
