#include "CXTPToolBarExpandButton.h"

#include "CXTPCommandBar.h"
#include "CXTPControls.h"
#include "CXTPPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPToolBarExpandButton, CXTPControl)

CXTPToolBarExpandButton::CXTPToolBarExpandButton()
{
    SetType(xtpControlButtonPopup);
    SetFlags(xtpFlagManualUpdate | xtpFlagNoMovable);
}

void CXTPToolBarExpandButton::SetRect(CRect rcControl)
{
    CXTPControl::SetRect(rcControl);
    m_bHiddenControls = FALSE;
    CXTPCommandBar* pBar = GetParent();
    if (!pBar)
        return;
    CXTPControls* pControls = pBar->GetControls();
    for (int i = 0; i < pControls->GetCount(); i++) {
        if (pControls->GetAt(i)->GetHideFlags() & xtpHideWrap) {
            m_bHiddenControls = TRUE;
            break;
        }
    }
}

int CXTPToolBarExpandButton::GetKind() const
{
    const CXTPCommandBar* pBar = GetParent();
    return pBar && pBar->GetPosition() == xtpBarFloating ? xtpButtonPopupArrow : xtpButtonExpandToolbar;
}

CSize CXTPToolBarExpandButton::GetSize(CDC* /*pDC*/)
{
    // The bar places the button itself, after its controls are laid out.
    return CSize(0, 0);
}

void CXTPToolBarExpandButton::Draw(CDC* pDC)
{
    GetPaintManager()->DrawSpecialControl(pDC, GetKind(), this, GetParent(), TRUE,
                                          m_bHiddenControls ? this : nullptr);
}
