#include "CXTBrowseButtonTheme.h"

#include "CXTButton.h"
#include "CXTPImageManagerIcon.h"

void CXTBrowseButtonTheme::DrawButtonImage(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    CXTPImageManagerIcon* pIcon = pButton->GetIcon();
    if (pIcon == nullptr || !m_bDrawImages)
        return;
    const CPoint pt = ImageOrigin(pDC, nState, rcItem, pButton);
    const CSize size = pButton->GetImageSize();
    // The system greys a disabled icon; otherwise the hot image while hot or down.
    UINT nFlags = DST_ICON;
    HICON hIcon = pIcon->GetIcon().GetIcon();
    if (nState & ODS_DISABLED)
        nFlags |= DSS_DISABLED;
    else if (pButton->IsHot() || IsDown(nState, pButton))
        hIcon = pIcon->GetHotIcon().GetIcon();
    ::DrawStateW(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, size.cx, size.cy,
                 nFlags);
}
