#include "CXTButtonTheme.h"

#include <algorithm>

#include <vsstyle.h>

#include "CXTButton.h"
#include "CXTObjectSelector.h"
#include "CXTPColorManager.h"
#include "CXTPImageManagerIcon.h"

namespace {

// Gives the DC back its background mode however the drawing ends.
class BkModeKeeper {
public:
    BkModeKeeper(CDC* pDC, int nMode) : m_pDC(pDC), m_nOld(pDC->SetBkMode(nMode)) {}
    ~BkModeKeeper() { m_pDC->SetBkMode(m_nOld); }
    BkModeKeeper(const BkModeKeeper&) = delete;
    BkModeKeeper& operator=(const BkModeKeeper&) = delete;

private:
    CDC* m_pDC;
    int m_nOld;
};

UINT AlignmentOf(const CXTButton* pButton)
{
    return pButton->GetStyle() & BS_CENTER;
}

} // namespace

CXTButtonTheme::CXTButtonTheme(ThemeEntryTable& table) : m_themeButton(table) {}

CXTButtonTheme::~CXTButtonTheme()
{
    m_themeButton.CloseThemeData();
}

void CXTButtonTheme::RefreshMetrics()
{
    const CXTPColorManager* pColors = GetColorManager();
    m_clrBack = pColors->GetColor(COLOR_BTNFACE);
    m_clrText = pColors->GetColor(COLOR_BTNTEXT);
    m_clrDisabledText = pColors->GetColor(COLOR_GRAYTEXT);
    m_clrLight = pColors->GetColor(COLOR_BTNFACE);
    m_clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
    m_clrHighlight = pColors->GetColor(COLOR_BTNHIGHLIGHT);
    m_clrDarkShadow = pColors->GetColor(COLOR_3DDKSHADOW);
}

BOOL CXTButtonTheme::NeedsHotTracking(CXTButton* pButton)
{
    return IsVisualStyle(pButton) || (pButton->GetLookFlags() & (BS_XT_FLAT | BS_XT_SEMIFLAT)) != 0;
}

BOOL CXTButtonTheme::IsVisualStyle(CXTButton* pButton)
{
    if (!(pButton->GetLookFlags() & BS_XT_WINXP_COMPAT) || !m_themeButton.IsThemingAvailable())
        return FALSE;
    if (!m_bThemeOpened) {
        m_themeButton.OpenThemeData(pButton->GetSafeHwnd(), L"BUTTON");
        m_bThemeOpened = TRUE;
    }
    return m_themeButton.GetThemeHandle() != nullptr;
}

CFont* CXTButtonTheme::GetThemeFont(CXTButton* pButton) const
{
    if (m_pFont != nullptr && m_pFont->GetSafeHandle() != nullptr)
        return m_pFont;
    return CFont::FromHandle(reinterpret_cast<HFONT>(pButton->SendMessage(WM_GETFONT)));
}

void CXTButtonTheme::SetThemeFont(CFont* pFont)
{
    if (pFont != nullptr && pFont->GetSafeHandle() != nullptr)
        m_pFont = pFont;
}

void CXTButtonTheme::SetColors(COLORREF clrFace, COLORREF clrLight, COLORREF clrShadow, COLORREF clrText)
{
    m_clrBack.SetCustomValue(clrFace);
    m_clrLight.SetCustomValue(clrLight);
    m_clrShadow.SetCustomValue(clrShadow);
    m_clrText.SetCustomValue(clrText);
}

BOOL CXTButtonTheme::IsDown(UINT nState, const CXTButton* pButton)
{
    return (nState & ODS_SELECTED) != 0 || pButton->IsPushed();
}

CString CXTButtonTheme::MeasuredText(const CString& strText)
{
    // A doubled mark is measured as it stands, and so is a mark at the very end.
    CString strMeasured;
    const int nLength = strText.GetLength();
    for (int i = 0; i < nLength; ++i) {
        if (strText[i] == L'&' && i + 1 < nLength) {
            if (strText[i + 1] == L'&')
                strMeasured += strText[i++];
            else
                continue;
        }
        strMeasured += strText[i];
    }
    return strMeasured;
}

CSize CXTButtonTheme::MeasureText(CDC* pDC, CXTButton* pButton)
{
    const CString strMeasured = MeasuredText(pButton->GetButtonText(FALSE));
    CFont* pFont = GetThemeFont(pButton);
    CXTObjectSelector font(pDC, pFont);
    SIZE size{};
    ::GetTextExtentPoint32W(pDC->GetSafeHdc(), strMeasured, strMeasured.GetLength(), &size);
    return size;
}

CPoint CXTButtonTheme::CalcCenterPosition(int cx, int cy, CXTButton* pButton)
{
    CRect rcClient;
    pButton->GetClientRect(&rcClient);
    const int x = (pButton->GetLookFlags() & BS_XT_TWOROWS) ? std::max(0, (rcClient.Width() - cx) / 2)
                                                            : pButton->GetBorderGap();
    return CPoint(x, std::max(0, (rcClient.Height() - cy) / 2));
}

CPoint CXTButtonTheme::CalcTextPosition(CDC* /*pDC*/, UINT /*nState*/, const CRect& rcItem, CSize sizeText,
                                        CXTButton* pButton)
{
    if (pButton->HasUserPositions())
        return pButton->GetTextPoint();
    const BOOL bTwoRows = (pButton->GetLookFlags() & BS_XT_TWOROWS) != 0;
    const CSize sizeImage = pButton->GetImageSize();
    const int nBorder = pButton->GetBorderGap();
    CPoint pt = CalcCenterPosition(sizeText.cx, sizeText.cy, pButton);
    if (bTwoRows)
        pt.y += pButton->GetImageGap() / 2 + sizeImage.cy / 2;
    switch (AlignmentOf(pButton)) {
    case BS_LEFT:
        pt.x = nBorder + (bTwoRows ? 0 : sizeImage.cx + pButton->GetImageGap());
        break;
    case BS_RIGHT:
        pt.x = rcItem.right - nBorder - sizeText.cx;
        break;
    default: {
        // Centred in the room beside the image; a caption wider than that room starts after the
        // image rather than over it.
        const int a = nBorder + (bTwoRows ? 0 : sizeImage.cx);
        pt.x = a + std::max(0, static_cast<int>(rcItem.right - nBorder - sizeText.cx - a) / 2);
        break;
    }
    }
    return pt;
}

COLORREF CXTButtonTheme::GetTextColor(UINT nState, CXTButton* /*pButton*/)
{
    return (nState & ODS_DISABLED) ? m_clrDisabledText.GetColor() : m_clrText.GetColor();
}

void CXTButtonTheme::DrawButtonText(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    const CString strText = pButton->GetButtonText(FALSE);
    if (strText.IsEmpty())
        return;
    const CSize sizeText = MeasureText(pDC, pButton);
    CPoint pt = CalcTextPosition(pDC, nState, rcItem, sizeText, pButton);
    if (m_bOffsetPushedText && IsDown(nState, pButton))
        pt.Offset(1, 1);
    CXTObjectSelector font(pDC, GetThemeFont(pButton));
    const COLORREF clrOld = pDC->SetTextColor(GetTextColor(nState, pButton));
    ::DrawStateW(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(strText)),
                 strText.GetLength(), pt.x, pt.y, sizeText.cx, sizeText.cy, DST_PREFIXTEXT);
    pDC->SetTextColor(clrOld);
}

CPoint CXTButtonTheme::CalcImagePosition(CDC* pDC, UINT /*nState*/, const CRect& rcItem, BOOL /*bHasImage*/,
                                         CXTButton* pButton)
{
    if (pButton->HasUserPositions())
        return pButton->GetImagePoint();
    const CSize sizeImage = pButton->GetImageSize();
    const int nBorder = pButton->GetBorderGap();
    const UINT nStyle = pButton->GetStyle();
    const BOOL bHasText = !pButton->GetButtonText(FALSE).IsEmpty();
    CPoint pt = CalcCenterPosition(sizeImage.cx, sizeImage.cy, pButton);
    pt.x = nBorder;
    if (pButton->GetLookFlags() & BS_XT_TWOROWS) {
        if (bHasText)
            pt.y -= pButton->GetImageGap() / 2 + MeasureText(pDC, pButton).cy / 2;
        switch (AlignmentOf(pButton)) {
        case BS_LEFT:
            break;
        case BS_RIGHT:
            pt.x = rcItem.right - nBorder - sizeImage.cx;
            break;
        default:
            pt.x = std::max<int>(rcItem.left, rcItem.left + (rcItem.Width() - sizeImage.cx) / 2);
            break;
        }
    } else if (!bHasText) {
        if ((nStyle & BS_CENTER) == BS_CENTER && rcItem.Width() >= sizeImage.cx)
            pt.x = (rcItem.Width() - sizeImage.cx) / 2;
        if ((nStyle & BS_VCENTER) == BS_VCENTER && rcItem.Height() >= sizeImage.cy)
            pt.y = (rcItem.Height() - sizeImage.cy) / 2;
    }
    return pt;
}

CPoint CXTButtonTheme::ImageOrigin(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    CPoint pt = CalcImagePosition(pDC, nState, rcItem, TRUE, pButton);
    if (IsDown(nState, pButton))
        pt.Offset(1, 1);
    return pt;
}

void CXTButtonTheme::DrawButtonImage(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton)
{
    CXTPImageManagerIcon* pIcon = pButton->GetIcon();
    if (pIcon == nullptr || !m_bDrawImages)
        return;
    const CPoint pt = ImageOrigin(pDC, nState, rcItem, pButton);
    const CSize sizeImage = pButton->GetImageSize();
    CXTPImageManagerIconHandle& hImage = (nState & ODS_DISABLED)                         ? pIcon->GetDisabledIcon()
                                         : (pButton->IsHot() || IsDown(nState, pButton)) ? pIcon->GetHotIcon()
                                                                                          : pIcon->GetIcon();
    pIcon->Draw(pDC, pt, hImage, sizeImage.cx, sizeImage.cy);
}

void CXTButtonTheme::DrawItem(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    if (!DrawVisualStyleBackground(lpDIS, pButton))
        DrawButtonBackground(lpDIS, pButton);
    BkModeKeeper transparent(pDC, TRANSPARENT);
    const CRect rcItem(lpDIS->rcItem);
    DrawButtonText(pDC, lpDIS->itemState, rcItem, pButton);
    DrawButtonImage(pDC, lpDIS->itemState, rcItem, pButton);
    if ((pButton->GetLookFlags() & BS_XT_SHOWFOCUS) && (lpDIS->itemState & ODS_FOCUS))
        DrawFocusRect(pDC, lpDIS->itemState, rcItem, pButton);
}

BOOL CXTButtonTheme::DrawVisualStyleBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    if (!IsVisualStyle(pButton))
        return FALSE;
    const UINT nState = lpDIS->itemState;
    int nThemeState = PBS_NORMAL;
    if (nState & ODS_FOCUS)
        nThemeState = PBS_DEFAULTED;
    if (pButton->IsHot())
        nThemeState = PBS_HOT;
    if (IsDown(nState, pButton))
        nThemeState = PBS_PRESSED;
    if (nState & ODS_DISABLED)
        nThemeState = PBS_DISABLED;
    return m_themeButton.DrawThemeBackground(lpDIS->hDC, BP_PUSHBUTTON, nThemeState, &lpDIS->rcItem, nullptr) == S_OK;
}

void CXTButtonTheme::DrawDitheredFace(CDC* pDC, const CRect& rect)
{
    static const WORD kRows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap pattern;
    pattern.CreateBitmap(8, 8, 1, 1, kRows);
    CBrush brush;
    brush.CreatePatternBrush(&pattern);
    const CXTPColorManager* pColors = GetColorManager();
    const COLORREF clrOldText = pDC->SetTextColor(pColors->GetColor(COLOR_BTNFACE));
    const COLORREF clrOldBack = pDC->SetBkColor(pColors->GetColor(COLOR_BTNHIGHLIGHT));
    {
        CXTObjectSelector select(pDC, &brush);
        pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATCOPY);
    }
    pDC->SetTextColor(clrOldText);
    pDC->SetBkColor(clrOldBack);
}

void CXTButtonTheme::DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    const DWORD dwFlags = pButton->GetLookFlags();
    const BOOL bDown = IsDown(lpDIS->itemState, pButton);
    pDC->FillSolidRect(&rc, m_clrBack);
    if ((dwFlags & BS_XT_HILITEPRESSED) && bDown)
        DrawDitheredFace(pDC, rc);
    const COLORREF clrTopLeft = bDown ? m_clrShadow.GetColor() : m_clrHighlight.GetColor();
    const COLORREF clrBottomRight = bDown ? m_clrHighlight.GetColor() : m_clrShadow.GetColor();
    if (dwFlags & BS_XT_FLAT) {
        if (pButton->IsHot() || bDown)
            pDC->Draw3dRect(&rc, clrTopLeft, clrBottomRight);
    } else if (dwFlags & BS_XT_SEMIFLAT) {
        pDC->Draw3dRect(&rc, clrTopLeft, clrBottomRight);
    } else {
        pDC->Draw3dRect(&rc, bDown ? m_clrDarkShadow.GetColor() : m_clrHighlight.GetColor(),
                        bDown ? m_clrHighlight.GetColor() : m_clrDarkShadow.GetColor());
        rc.DeflateRect(1, 1);
        pDC->Draw3dRect(&rc, bDown ? m_clrShadow.GetColor() : m_clrLight.GetColor(),
                        bDown ? m_clrLight.GetColor() : m_clrShadow.GetColor());
    }
}

void CXTButtonTheme::DrawFocusRect(CDC* pDC, UINT /*nState*/, const CRect& rcItem, CXTButton* pButton)
{
    const COLORREF clrOld = pDC->SetTextColor(m_clrText);
    CRect rc(rcItem);
    const int nInset = IsVisualStyle(pButton) ? 4 : 2;
    rc.DeflateRect(nInset, nInset);
    pDC->DrawFocusRect(&rc);
    pDC->SetTextColor(clrOld);
}
