#include "MainFrame.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.x = 40;
    cs.y = 40;
    cs.cx = 640;
    cs.cy = 480;
    return TRUE;
}
