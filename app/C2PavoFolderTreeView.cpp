#include "C2PavoFolderTreeView.h"

#include "CMainFrame.h"

IMPLEMENT_DYNCREATE(C2PavoFolderTreeView, CPavoCommonBaseView)

LRESULT C2PavoFolderTreeView::OnStepActivated()
{
    SetCurrentStep(1);
    ShowStop(FALSE);
    ShowBack(TRUE);
    ShowNext(TRUE);
    ShowExit(TRUE);
    CRect rc;
    GetClientRect(&rc);
    OnSize(SIZE_RESTORED, rc.Width(), rc.Height());
    Invalidate();
    return 1;
}

void C2PavoFolderTreeView::OnNext()
{
    if (CMainFrame* pFrame = CMainFrame::GetFrame())
        pFrame->GoToStep(1);
}

void C2PavoFolderTreeView::OnBack()
{
    if (CMainFrame* pFrame = CMainFrame::GetFrame())
        pFrame->GoToPreviousStep(1);
}

void C2PavoFolderTreeView::OnExit()
{
    GetParentFrame()->PostMessage(WM_CLOSE, 0, 0);
}
