#include "BarTestWindows.h"

#include "CommandBarDefs.h"

BEGIN_MESSAGE_MAP(RecordingSite, CWnd)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_MESSAGE(WM_CMDBARS_CONTROLSELECTED, OnControlSelected)
END_MESSAGE_MAP()

LRESULT RecordingSite::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    m_messages.push_back({WM_SETMESSAGESTRING, wParam, lParam ? CString(reinterpret_cast<LPCTSTR>(lParam)) : CString()});
    return 0;
}

LRESULT RecordingSite::OnPopMessageString(WPARAM wParam, LPARAM /*lParam*/)
{
    m_messages.push_back({WM_POPMESSAGESTRING, wParam, CString()});
    return 0;
}

LRESULT RecordingSite::OnControlSelected(WPARAM wParam, LPARAM /*lParam*/)
{
    m_messages.push_back({WM_CMDBARS_CONTROLSELECTED, wParam, CString()});
    return 0;
}

IMPLEMENT_DYNCREATE(TestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_UPDATED, OnUpdated)
    ON_UPDATE_COMMAND_UI(ID_TEST_UPDATED, OnUpdateUpdated)
    ON_COMMAND(ID_TEST_HANDLER_ONLY, OnHandlerOnly)
END_MESSAGE_MAP()

TestFrame* TestFrame::Make()
{
    auto* pFrame = new TestFrame;
    pFrame->Create(nullptr, L"Command bar tests", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 200));
    return pFrame;
}

void TestFrame::OnUpdateUpdated(CCmdUI* pCmdUI)
{
    ++m_nUpdates;
    pCmdUI->Enable(m_bEnable);
    if (m_nCheck >= 0)
        pCmdUI->SetCheck(m_nCheck);
    if (!m_strText.IsEmpty())
        pCmdUI->SetText(m_strText);
}
