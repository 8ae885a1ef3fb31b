#include "CXTPFrameWnd.h"

#include "CXTPCommandBars.h"

IMPLEMENT_DYNCREATE(CXTPFrameWnd, CFrameWnd)

CXTPFrameWnd::~CXTPFrameWnd()
{
    delete m_pCommandBars;
}
