#include "OwnerTestFrame.h"

#include "CXTPCommandBars.h"
#include "CXTPShortcutManager.h"

IMPLEMENT_DYNCREATE(OwnerTestFrame, CXTPFrameWnd)

BEGIN_MESSAGE_MAP(OwnerTestFrame, CXTPFrameWnd)
    ON_WM_CREATE()
    ON_NOTIFY(kHandledNotice, 1, OnHandledNotice)
    ON_MESSAGE(WM_CMDBARS_SELCHANGED, OnSelChanged)
    ON_COMMAND(XTP_ID_CUSTOMIZE, OnCustomize)
    ON_MESSAGE(WM_CMDBARS_CREATECOMMANDBAR, OnCreateCommandBar)
END_MESSAGE_MAP()

OwnerTestFrame* OwnerTestFrame::Make(HACCEL hFrameAccel, const ACCEL* pManagerAccel, int nManager)
{
    auto* pFrame = new OwnerTestFrame;
    pFrame->m_hAccelTable = hFrameAccel;
    pFrame->m_pManagerAccel = pManagerAccel;
    pFrame->m_nManager = nManager;
    // No resource of this id: the frame keeps the table it was given.
    if (!pFrame->LoadFrame(0xFFF0, WS_OVERLAPPEDWINDOW)) {
        delete pFrame;
        return nullptr;
    }
    pFrame->SetWindowPos(nullptr, 100, 100, 500, 300, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->RecalcLayout();
    return pFrame;
}

int OwnerTestFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXTPFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pCommandBars = static_cast<CXTPCommandBars*>(RUNTIME_CLASS(CXTPCommandBars)->CreateObject());
    m_pCommandBars->AttachFrame(this);
    m_pCommandBars->EnableDocking();
    if (m_nManager > 0)
        m_pCommandBars->GetShortcutManager()->SetAccelerators(m_pManagerAccel, m_nManager);
    return 0;
}

BOOL OwnerTestFrame::OnCommand(WPARAM wParam, LPARAM)
{
    m_commands.push_back(LOWORD(wParam));
    return TRUE;
}

void OwnerTestFrame::OnHandledNotice(NMHDR*, LRESULT* pResult)
{
    *pResult = kHandledResult;
}

LRESULT OwnerTestFrame::OnSelChanged(WPARAM, LPARAM)
{
    ++m_nSelChanged;
    return 0;
}

LRESULT OwnerTestFrame::OnCreateCommandBar(WPARAM, LPARAM lParam)
{
    m_createBar.push_back(*reinterpret_cast<XTP_COMMANDBARS_CREATEBAR*>(lParam));
    return 0;
}
