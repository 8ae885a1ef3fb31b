#include "CXTPToolBarCloseButton.h"

#include "CXTPPaintManager.h"
#include "CXTPToolBar.h"

IMPLEMENT_DYNCREATE(CXTPToolBarCloseButton, CXTPControl)

CXTPToolBarCloseButton::CXTPToolBarCloseButton()
{
    SetType(xtpControlButton);
    SetFlags(xtpFlagSkipFocus | xtpFlagManualUpdate | xtpFlagNoMovable);
}

void CXTPToolBarCloseButton::Execute()
{
    if (CXTPCommandBar* pBar = GetParent())
        pBar->SetVisible(FALSE);
}

CSize CXTPToolBarCloseButton::GetSize(CDC* /*pDC*/)
{
    // The bar places the button itself, in its caption.
    return CSize(0, 0);
}

void CXTPToolBarCloseButton::Draw(CDC* pDC)
{
    GetPaintManager()->DrawSpecialControl(pDC, xtpButtonMDIClose, this, GetParent(), TRUE, nullptr);
}
