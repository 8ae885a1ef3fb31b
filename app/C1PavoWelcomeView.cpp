#include "C1PavoWelcomeView.h"

#include "CMainFrame.h"

IMPLEMENT_DYNCREATE(C1PavoWelcomeView, CPavoCommonBaseView)

LRESULT C1PavoWelcomeView::OnStepActivated()
{
    SetCurrentStep(0);
    ShowBack(FALSE);
    ShowStop(FALSE);
    ShowNext(TRUE);
    ShowExit(TRUE);
    CRect rc;
    GetClientRect(&rc);
    OnSize(SIZE_RESTORED, rc.Width(), rc.Height());
    Invalidate();
    return 1;
}

void C1PavoWelcomeView::OnNext()
{
    if (CMainFrame* pFrame = CMainFrame::GetFrame())
        pFrame->GoToStep(0);
}

void C1PavoWelcomeView::OnBack() {}

void C1PavoWelcomeView::OnExit()
{
    GetParentFrame()->PostMessage(WM_CLOSE, 0, 0);
}
