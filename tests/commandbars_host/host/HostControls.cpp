#include "HostControls.h"

#include "CXTPCommandBar.h"
#include "HostChannel.h"
#include "HostLog.h"

// The popup kind is known by its class name to the bars.
const CRuntimeClass HostPopup::classHostPopup = {"CXTPControlPopup", static_cast<int>(sizeof(HostPopup)), 0xFFFF,
                                                 nullptr, RUNTIME_CLASS(CXTPControl)};
static const AFX_CLASSINIT s_initHostPopup(&HostPopup::classHostPopup);

void HostButton::OnClick(BOOL bKeyboard, CPoint)
{
    if (!GetEnabled())
        return;
    if (bKeyboard)
        Execute();
    else
        TrackClick();
}

void HostButton::OnMouseHover()
{
    HostLog::Instance().Write({{"event", "hover"}, {"caption", hostchannel::Utf8(GetCaption().GetString())}});
    CXTPControl::OnMouseHover();
}

void HostButton::Pose(int nSelected, int nPressed)
{
    m_bSelected = nSelected;
    SetPressed(nPressed);
}

void HostPopup::OnClick(BOOL bKeyboard, CPoint)
{
    if (CXTPCommandBar* pBar = GetParent())
        pBar->SetPopuped(m_bOpen ? -1 : GetIndex(), bKeyboard);
}

BOOL HostPopup::OnSetPopup(BOOL bPopup)
{
    m_bOpen = bPopup;
    if (CXTPCommandBar* pBar = GetParent())
        pBar->Invalidate(FALSE);
    return TRUE;
}
