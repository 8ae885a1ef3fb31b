#include "CXTCaptionButton.h"

#include "CXTButtonTheme.h"
#include "CXTCaption.h"
#include "CXTCaptionButtonThemeFactory.h"
#include "CXTPColorManager.h"

IMPLEMENT_DYNAMIC(CXTCaptionButton, CXTButton)

CXTCaptionButton::CXTCaptionButton() : CXTButton(RUNTIME_CLASS(CXTCaptionButtonThemeFactory)) {}

LRESULT CXTCaptionButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_SETTINGCHANGE || message == WM_SYSCOLORCHANGE) && GetTheme() != nullptr)
        GetTheme()->RefreshMetrics();
    return CXTButton::WindowProc(message, wParam, lParam);
}

void CXTCaptionButton::CopyCaptionColors()
{
    auto* pCaption = ::IsWindow(m_hWnd) ? DYNAMIC_DOWNCAST(CXTCaption, GetParent()) : nullptr;
    if (pCaption == nullptr || GetTheme() == nullptr)
        return;
    GetTheme()->SetColors(pCaption->GetFaceColor(), COLORREF(-1), GetColorManager()->GetColor(COLOR_3DDKSHADOW),
                          pCaption->GetTextColor());
}

DWORD CXTCaptionButton::SetLookFlags(DWORD dwFlags, BOOL bRedraw)
{
    const DWORD dwOld = CXTButton::SetLookFlags(dwFlags, FALSE);
    auto* pCaption = ::IsWindow(m_hWnd) ? DYNAMIC_DOWNCAST(CXTCaption, GetParent()) : nullptr;
    if (pCaption != nullptr) {
        CopyCaptionColors();
        SetFont(pCaption->GetFont(), FALSE);
        if (bRedraw)
            Invalidate();
    }
    return dwOld;
}
