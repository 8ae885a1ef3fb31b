#include "HostBar.h"

#include "CXTPControls.h"
#include "CXTPPaintManager.h"
#include "HostChannel.h"
#include "HostControls.h"
#include "HostLog.h"

HostBar* HostBar::Create(CWnd* pFrame, const HostFixtureBar& fixture, UINT nID)
{
    auto* pBar = new HostBar;
    pBar->m_strName = fixture.name;
    pBar->m_barPosition = xtpBarTop;
    pBar->SetTitle(fixture.name.c_str());
    pBar->SetPaintManager(CXTPPaintManager::CreateTheme(0));
    for (const HostFixtureControl& item : fixture.controls) {
        const bool bPopup = item.kind == HostFixtureControl::Popup;
        CXTPControl* pControl = bPopup ? new HostPopup : new HostButton;
        pBar->GetControls()->AddControl(pControl, item.id);
        pControl->SetType(bPopup ? xtpControlPopup : xtpControlButton);
        pControl->SetCaption(item.caption.c_str());
        pControl->SetBeginGroup(item.beginGroup);
        pControl->SetStyle(xtpButtonCaption);
    }
    const DWORD dwExStyle = fixture.rightToLeft ? WS_EX_LAYOUTRTL : 0;
    pBar->CreateEx(dwExStyle, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)),
                   fixture.name.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(0, 0, 10, 10), pFrame, nID);
    return pBar;
}

int HostBar::LayOut(int nTop, int nWidth)
{
    m_nTop = nTop;
    m_nWidth = nWidth;
    CClientDC dc(this);
    const CSize size = GetControls()->CalcDynamicSize(&dc, nWidth, LM_HORZ | LM_COMMIT, CRect(2, 2, 2, 2));
    SetWindowPos(nullptr, 0, nTop, nWidth, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(FALSE);
    return size.cy;
}

void HostBar::TrackByKeyboard()
{
    SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
}

void HostBar::OnRecalcLayout()
{
    if (GetSafeHwnd())
        LayOut(m_nTop, m_nWidth);
}

void HostBar::OnControlSelected(int bSelected, CXTPControl* pControl)
{
    if (pControl)
        HostLog::Instance().Write({{"event", "selected"}, {"bar", hostchannel::Utf8(m_strName)}, {"index", pControl->GetIndex()},
                                   {"state", bSelected}});
    CXTPCommandBar::OnControlSelected(bSelected, pControl);
}
