#include "PlainFrameWnd.h"

#include "PlainCommandBars.h"

IMPLEMENT_DYNCREATE(PlainFrameWnd, CFrameWnd)

PlainFrameWnd::~PlainFrameWnd()
{
    delete m_pCommandBars;
}
