#include "C3PavoSaveNsfToPst.h"

#include "CMainFrame.h"

IMPLEMENT_DYNCREATE(C3PavoSaveNsfToPst, CPavoCommonBaseView)

LRESULT C3PavoSaveNsfToPst::OnStepActivated()
{
    SetCurrentStep(2);
    ShowStop(FALSE);
    ShowBack(TRUE);
    ShowNext(FALSE);
    ShowExit(TRUE);
    CRect rc;
    GetClientRect(&rc);
    OnSize(SIZE_RESTORED, rc.Width(), rc.Height());
    Invalidate();
    return 1;
}

void C3PavoSaveNsfToPst::OnNext()
{
    if (CMainFrame* pFrame = CMainFrame::GetFrame())
        pFrame->GoToStep(2);
}

void C3PavoSaveNsfToPst::OnBack()
{
    if (CMainFrame* pFrame = CMainFrame::GetFrame())
        pFrame->GoToPreviousStep(2);
}

void C3PavoSaveNsfToPst::OnExit()
{
    GetParentFrame()->PostMessage(WM_CLOSE, 0, 0);
}
