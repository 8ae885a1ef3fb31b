#include "CXTPPaintManager.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "CXTBrushSelector.h"
#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "CXTObjectSelector.h"
#include "CXTPCommandBar.h"
#include "CXTPControl.h"
#include "CXTPDefaultTheme.h"
#include "CXTPImageManager.h"
#include "CXTPenSelector.h"
#include "FontHelpers.h"
#include "NonClientMetrics.h"

CXTPPaintManager* CXTPPaintManager::s_pGlobal = nullptr;

namespace {

BOOL IsVerticalPosition(int nPosition)
{
    return nPosition == xtpBarLeft || nPosition == xtpBarRight;
}

// The extent of a single-line text as DrawText lays it out; " " for none.
CSize TextExtent(CDC* pDC, const CString& str, UINT nFormat)
{
    CRect rc(0, 0, 0, 0);
    const CString measured = str.IsEmpty() ? CString(L" ") : str;
    pDC->DrawText(measured, &rc, (nFormat & ~(DT_VCENTER | DT_CENTER | DT_RIGHT)) | DT_CALCRECT | DT_SINGLELINE);
    return rc.Size();
}

} // namespace

CXTPPaintManager::CXTPPaintManager()
{
    // Derived images follow the colours of the paint manager in force.
    XTPImageManager()->InvalidateImages();
}

CXTPPaintManager::~CXTPPaintManager() = default;

CXTPPaintManager* CXTPPaintManager::CreateTheme(int nTheme)
{
    // Themes 1 to 4 are drawn by the classic theme until they have classes of their own.
    CXTPPaintManager* pPaintManager = new CXTPDefaultTheme;
    pPaintManager->m_nTheme = nTheme;
    return pPaintManager;
}

void CXTPPaintManager::SetGlobalPaintManager(CXTPPaintManager* pPaintManager)
{
    static const bool s_bReleasedAtExit = [] {
        std::atexit(&CXTPPaintManager::ReleaseGlobalPaintManager);
        return true;
    }();
    (void)s_bReleasedAtExit;
    if (s_pGlobal != nullptr && s_pGlobal != pPaintManager)
        s_pGlobal->InternalRelease();
    s_pGlobal = pPaintManager;
    s_pGlobal->m_nTheme = 5;
    s_pGlobal->RefreshMetrics();
}

CXTPPaintManager* CXTPPaintManager::SetTheme(int nTheme)
{
    SetGlobalPaintManager(CreateTheme(nTheme));
    s_pGlobal->m_nTheme = nTheme;
    return s_pGlobal;
}

void CXTPPaintManager::ReleaseGlobalPaintManager()
{
    if (s_pGlobal != nullptr)
        s_pGlobal->InternalRelease();
    s_pGlobal = nullptr;
}

CXTPPaintManager* CXTPPaintManager::GetGlobal()
{
    return s_pGlobal;
}

CXTPPaintManager* CXTPPaintManager::GetGlobalPaintManager()
{
    return s_pGlobal != nullptr ? s_pGlobal : SetTheme(0);
}

COLORREF CXTPPaintManager::GetColor(int nIndex) const
{
    // Only 0 to 61 index the table; a negative number is a colour like any
    // number above it (-1 is "no colour").
    if (nIndex < 0 || nIndex >= kColorCount)
        return static_cast<COLORREF>(nIndex);
    return m_colors[nIndex].GetColor();
}

void CXTPPaintManager::SetColors(int nCount, const int* pIndices, const COLORREF* pValues)
{
    for (int i = 0; i < nCount; ++i)
        if (pIndices[i] >= 0 && pIndices[i] < kColorCount)
            m_colors[pIndices[i]].SetStandardValue(pValues[i]);
}

int CXTPPaintManager::GetCurrentTheme() const
{
    CXTPColorManager* pColors = GetColorManager();
    if (m_nColorScheme == xtpColorSchemeSystemOther)
        return pColors->IsLowColor() ? xtpColorSchemeNone : pColors->GetCurrentTheme();
    if (m_nColorScheme == xtpColorSchemeSystem)
        return pColors->GetCurrentSystemTheme();
    return m_nColorScheme;
}

void CXTPPaintManager::RefreshMetrics()
{
    RefreshFonts();
    RefreshColorsIfStale();
    CXTPColorManager* pColors = GetColorManager();
    for (int i = 0; i < kColorCount; ++i)
        m_colors[i].SetStandardValue(pColors->GetColor(i));
    m_clrThemeColor = 0;
    m_clrText = GetColor(COLOR_BTNTEXT);
    m_faceGradient.SetStandardValue(GetColor(COLOR_BTNFACE), GetColor(COLOR_BTNSHADOW), 0.5f);
}

LOGFONT CXTPPaintManager::StandardFontFromMenuFont(const LOGFONT& lfMenu, BYTE nCharSet)
{
    LOGFONT lf{};
    lf.lfCharSet = nCharSet;
    // A negative height is a character height: at least 11 pixels.
    lf.lfHeight = lfMenu.lfHeight >= 0 ? lfMenu.lfHeight : std::min<LONG>(lfMenu.lfHeight, -11);
    lf.lfWeight = lfMenu.lfWeight;
    lf.lfItalic = lfMenu.lfItalic;
    ::lstrcpynW(lf.lfFaceName, lfMenu.lfFaceName, LF_FACESIZE);
    return lf;
}

void CXTPPaintManager::RefreshFonts()
{
    const NonClientMetrics ncm;
    if (m_bUseStandardFont) {
        HDC hScreen = ::GetDC(nullptr);
        const BYTE nCharSet = static_cast<BYTE>(::GetTextCharset(hScreen));
        ::ReleaseDC(nullptr, hScreen);
        const LOGFONT lf = StandardFontFromMenuFont(ncm.lfMenuFont, nCharSet);
        SetCommandBarsFontIndirect(&lf, TRUE);
    }
    if (m_fontSmCaption.NeedsRefresh()) {
        m_fontSmCaption.DeleteObject();
        m_fontSmCaption.CreateFontIndirect(&ncm.lfSmCaptionFont);
    }
    LOGFONT lfIcon{};
    ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lfIcon), &lfIcon, 0);
    if (m_fontIcon.NeedsRefresh()) {
        m_fontIcon.DeleteObject();
        m_fontIcon.CreateFontIndirect(&lfIcon);
    }
    if (m_fontIconBold.NeedsRefresh()) {
        lfIcon.lfWeight = FW_BOLD;
        m_fontIconBold.DeleteObject();
        m_fontIconBold.CreateFontIndirect(&lfIcon);
    }
}

void CXTPPaintManager::SetCommandBarsFontIndirect(const LOGFONT* pLogFont, BOOL bUseStandardFont)
{
    m_bUseStandardFont = bUseStandardFont;
    if (pLogFont == nullptr)
        return;
    for (CFont* pFont : {static_cast<CFont*>(&m_fontRegular), &m_fontRegularBold, &m_fontVert, &m_fontVertBold,
                         static_cast<CFont*>(&m_fontIconBold)})
        pFont->DeleteObject();

    LOGFONT lf = *pLogFont;
    if (::lstrcmpiW(lf.lfFaceName, L"Tahoma") == 0)
        m_bUseTahoma = TRUE;
    if (lf.lfCharSet <= SYMBOL_CHARSET && bUseStandardFont && m_bUseTahoma && FontFamilyExists(L"Tahoma"))
        ::lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);

    m_fontRegular.CreateFontIndirect(&lf);
    const LONG nWeight = lf.lfWeight;
    lf.lfWeight = FW_BOLD;
    m_fontRegularBold.CreateFontIndirect(&lf);

    lf.lfWeight = nWeight;
    lf.lfOrientation = 900;
    lf.lfEscapement = 2700;
    ::lstrcpynW(lf.lfFaceName, GetDefaultFontFace(m_bUseTahoma), LF_FACESIZE);
    m_fontVert.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontVertBold.CreateFontIndirect(&lf);

    CWindowDC dc(nullptr);
    CXTObjectSelector font(&dc, &m_fontRegular);
    m_nTextHeight = dc.GetTextExtent(L" ", 1).cy + 6;
}

CFont* CXTPPaintManager::GetCommandBarFont(CXTPCommandBar* pBar, BOOL bBold)
{
    if (pBar != nullptr && IsVerticalPosition(pBar->GetPosition()))
        return bBold ? &m_fontVertBold : &m_fontVert;
    return bBold ? &m_fontRegularBold : &m_fontRegular;
}

CSize CXTPPaintManager::DrawControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    if (pControl->GetType() == xtpControlEdit)
        return DrawControlEdit(pDC, pControl, bDraw);
    if (pControl->GetType() == xtpControlComboBox)
        return DrawControlComboBox(pDC, pControl, bDraw);
    if (pControl->GetParent() != nullptr && pControl->GetParent()->GetType() == xtpBarTypePopup)
        return DrawControlPopupParent(pDC, pControl, bDraw);
    return DrawControlToolBarParent(pDC, pControl, bDraw);
}

CXTPImageManagerIcon* CXTPPaintManager::ToolBarImage(CXTPControl* pControl, CSize& szIcon)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    szIcon = pBar->GetBarIconSize();
    const int nStyle = pControl->GetEffectiveStyle();
    const BOOL bImageStyle = nStyle == xtpButtonIcon || nStyle == xtpButtonIconAndCaption
                             || (nStyle == xtpButtonAutomatic && pControl->GetType() != xtpControlPopup);
    if (!bImageStyle || pControl->GetEffectiveIconId() == 0)
        return nullptr;
    CXTPImageManagerIcon* pImage = pControl->GetImage(szIcon.cx);
    if (pImage != nullptr && pImage->GetWidth() > 0)
        szIcon.cy = szIcon.cx * pImage->GetHeight() / pImage->GetWidth();
    return pImage;
}

CSize CXTPPaintManager::DrawControlToolBarParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    CXTObjectSelector font(pDC, GetCommandBarFont(pBar, pControl->GetDefaultItem()));
    const CRect rc = bDraw ? pControl->GetRect() : CRect(0, 0, 0, 0);
    const CSize szButton = pBar->GetButtonSize();
    CSize szIcon;
    CXTPImageManagerIcon* pImage = ToolBarImage(pControl, szIcon);
    const BOOL bVert = IsVerticalPosition(pBar->GetPosition());
    const BOOL bEmbossed = !pControl->GetEnabled() && !HasPopupShadow();
    const BOOL bUnderline = pBar->IsKeyboardCuesVisible();
    const int nType = pControl->GetType();
    const BOOL bSplit = nType == xtpControlSplitButtonPopup;
    const CString strCaption = pControl->GetDisplayCaption();

    if (bDraw) {
        if (bSplit)
            DrawSplitButtonFrame(pDC, pControl, rc);
        else
            DrawControlEntry(pDC, pControl);
    }

    if (pBar->GetShowTextBelowIcons() && pImage != nullptr) {
        CRect rcButton = rc;
        if (bSplit)
            rcButton.right -= 11;
        if (bDraw) {
            const CPoint pt(rcButton.left + (rcButton.Width() - szIcon.cx) / 2, rcButton.top + 4);
            DrawImage(pDC, pt, szIcon, pImage, pControl->GetSelected(), pControl->GetPressed(),
                      pControl->GetEnabled(), pControl->GetChecked(), pControl->GetPopuped(), TRUE);
            const CRect rcText(rcButton.left, rcButton.top + szButton.cy - 4, rcButton.right, rcButton.bottom);
            DrawTextCaption(pDC, strCaption, rcText, TRUE, FALSE, TRUE, FALSE, bEmbossed, bUnderline);
            return CSize(0, 0);
        }
        const CSize szText = DrawTextCaption(pDC, strCaption, rc, FALSE, FALSE, TRUE, FALSE, bEmbossed, bUnderline);
        CSize sz(std::max<int>(szButton.cx, szText.cx + 10), szButton.cy + szText.cy);
        if (bSplit)
            sz.cx += 11;
        sz.cx = std::max(sz.cx, sz.cy);
        return sz;
    }

    switch (nType) {
    case xtpControlButton:
    case xtpControlButtonPopup:
    case xtpControlLabel:
        if (pControl->IsCaptionVisible())
            return DrawControlText(pDC, pControl, rc, bDraw, bVert, FALSE, nType == xtpControlButtonPopup);
        if (bDraw && pImage != nullptr) {
            const CPoint pt(rc.left + (rc.Width() - szIcon.cx) / 2, rc.top + (rc.Height() - szIcon.cy) / 2);
            DrawImage(pDC, pt, szIcon, pImage, pControl->GetSelected(), pControl->GetPressed(),
                      pControl->GetEnabled(), pControl->GetChecked(), pControl->GetPopuped(), TRUE);
        }
        return szButton;
    case xtpControlPopup:
        if (pImage == nullptr) {
            if (!bDraw) {
                const CSize sz = DrawTextCaption(pDC, strCaption, rc, FALSE, bVert, FALSE, FALSE, bEmbossed,
                                                 bUnderline);
                return CSize(sz.cx + 6, sz.cy + 6);
            }
            DrawTextCaption(pDC, strCaption, rc, TRUE, bVert, TRUE, FALSE, bEmbossed, bUnderline);
            return CSize(0, 0);
        }
        if (pControl->IsCaptionVisible())
            return DrawControlText(pDC, pControl, rc, bDraw, bVert, FALSE, FALSE);
        if (bDraw) {
            CRect rcImage(rc.left, rc.top, rc.right - 7, rc.bottom);
            const CPoint pt(rcImage.left + (rcImage.Width() - szIcon.cx) / 2,
                            rcImage.top + (rcImage.Height() - szIcon.cy) / 2);
            DrawImage(pDC, pt, szIcon, pImage, pControl->GetSelected(), pControl->GetPressed(),
                      pControl->GetEnabled(), pControl->GetChecked(), pControl->GetPopuped(), TRUE);
            DrawDropDownTriangle(pDC, rc, pDC->GetTextColor());
        }
        return CSize(szButton.cx + 7, szButton.cy);
    case xtpControlSplitButtonPopup: {
        CRect rcButton(rc.left, rc.top, rc.right - 11, rc.bottom);
        CSize sz(23, 23);
        if (pImage != nullptr || pControl->IsCaptionVisible())
            sz = pControl->IsCaptionVisible() ? DrawControlText(pDC, pControl, rcButton, bDraw, bVert, FALSE, FALSE)
                                              : szButton;
        if (bDraw && pImage != nullptr && !pControl->IsCaptionVisible()) {
            const CPoint pt(rcButton.left + (rcButton.Width() - szIcon.cx) / 2,
                            rcButton.top + (rcButton.Height() - szIcon.cy) / 2);
            DrawImage(pDC, pt, szIcon, pImage, pControl->GetSelected(), pControl->GetPressed(),
                      pControl->GetEnabled(), pControl->GetChecked(), pControl->GetPopuped(), TRUE);
        }
        return CSize(sz.cx + 11, sz.cy);
    }
    default:
        return CSize(0, 0);
    }
}

CSize CXTPPaintManager::DrawControlText(CDC* pDC, CXTPControl* pControl, CRect rcText, BOOL bDraw, BOOL bVert,
                                        BOOL bCentered, BOOL bTriangled)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const CSize szButton = pBar->GetButtonSize();
    CSize szIcon;
    CXTPImageManagerIcon* pImage = ToolBarImage(pControl, szIcon);
    const int w = pImage != nullptr ? szButton.cx : 23;
    const int h = pImage != nullptr ? szButton.cy : 23;
    const BOOL bEmbossed = !pControl->GetEnabled() && !HasPopupShadow();
    const CString strCaption = pControl->GetDisplayCaption();
    const BOOL bUnderline = pBar->IsKeyboardCuesVisible();

    if (bDraw && pImage != nullptr) {
        const CPoint pt = bVert ? CPoint(rcText.left + (rcText.Width() - szIcon.cx) / 2, rcText.top + (h - szIcon.cy) / 2)
                                : CPoint(rcText.left + (w - szIcon.cx) / 2, rcText.top + (rcText.Height() - szIcon.cy) / 2);
        DrawImage(pDC, pt, szIcon, pImage, pControl->GetSelected(), pControl->GetPressed(), pControl->GetEnabled(),
                  pControl->GetChecked(), pControl->GetPopuped(), TRUE);
    }
    CRect rcCaption = rcText;
    if (bVert)
        rcCaption.top += pImage != nullptr ? h : 4;
    else
        rcCaption.left += pImage != nullptr ? w - 1 : 4;
    const CSize szText =
        DrawTextCaption(pDC, strCaption, rcCaption, bDraw, bVert, bCentered, bTriangled, bEmbossed, bUnderline);
    if (bVert)
        return CSize(std::max<int>(w, szText.cx + 6), szText.cy + (pImage != nullptr ? w + 3 : 7));
    return CSize(szText.cx + (pImage != nullptr ? w + 3 : 7), std::max<int>(h, szText.cy + 6));
}

CSize CXTPPaintManager::DrawTextCaption(CDC* pDC, const CString& strCaption, CRect rcText, BOOL bDraw, BOOL bVert,
                                        BOOL bCentered, BOOL bTriangled, BOOL bEmbossed, BOOL bUnderline)
{
    if (m_nAccelUnderline != -1)
        bUnderline = m_nAccelUnderline;
    CString str = strCaption;
    if (!bUnderline)
        StripMnemonics(str);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | (bUnderline ? 0 : DT_NOPREFIX);

    if (!bVert) {
        CSize sz = TextExtent(pDC, str, nFormat);
        if (!bDraw)
            return CSize(sz.cx + (bTriangled ? 10 : 0), sz.cy);
        if (bCentered)
            rcText.left += (rcText.Width() - sz.cx - (bTriangled ? 5 : 0)) / 2;
        if (bEmbossed) {
            const COLORREF clrOld = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
            CRect rcShadow = rcText;
            rcShadow.OffsetRect(1, 1);
            pDC->DrawText(str, &rcShadow, nFormat);
            pDC->SetTextColor(clrOld);
        }
        pDC->DrawText(str, &rcText, nFormat);
        if (bTriangled) {
            const int x = rcText.left + sz.cx + 2;
            const int y = rcText.CenterPoint().y;
            Triangle(pDC, CPoint(x, y - 1), CPoint(x + 4, y - 1), CPoint(x + 2, y + 1), pDC->GetTextColor());
        }
        return CSize(sz.cx + (bTriangled ? 10 : 0), sz.cy);
    }

    CXTObjectSelector font(pDC, &m_fontVert);
    CString strMeasured = str.IsEmpty() ? CString(L" ") : str;
    const CSize sz = pDC->GetTextExtent(strMeasured, strMeasured.GetLength());
    if (bDraw) {
        // The rotated text runs downward from its top-right corner.
        const int x = rcText.right - (rcText.Width() - sz.cy) / 2;
        const int y = rcText.top + (bCentered ? (rcText.Height() - sz.cx) / 2 : 0);
        if (bEmbossed) {
            const COLORREF clrOld = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
            pDC->TextOut(x + 1, y + 1, str);
            pDC->SetTextColor(clrOld);
        }
        pDC->TextOut(x, y, str);
        if (bTriangled) {
            const int cx = x - sz.cy / 2;
            const int cy = y + sz.cx + 2;
            Triangle(pDC, CPoint(cx - 1, cy), CPoint(cx - 1, cy + 4), CPoint(cx + 1, cy + 2), pDC->GetTextColor());
        }
    }
    return CSize(sz.cy, sz.cx + (bTriangled ? 10 : 0));
}

void CXTPPaintManager::DrawControlEntry(CDC* pDC, CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const int nType = pControl->GetType();
    const BOOL bPopupControl = nType == xtpControlPopup || nType == xtpControlButtonPopup
                               || nType == xtpControlSplitButtonPopup;
    const BOOL bPopuped = bPopupControl && pBar->GetType() == xtpBarTypePopup && pControl->GetPopuped();
    DrawRectangle(pDC, pControl->GetRect(), pControl->GetEnabled(), pControl->GetSelected(), pControl->GetPressed(),
                  pControl->GetChecked(), bPopuped, pBar->GetPosition());
}

void CXTPPaintManager::DrawDropDownTriangle(CDC* pDC, CRect rc, COLORREF clr)
{
    const int y = rc.CenterPoint().y;
    Triangle(pDC, CPoint(rc.right - 9, y - 1), CPoint(rc.right - 5, y - 1), CPoint(rc.right - 7, y + 1), clr);
}

void CXTPPaintManager::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const BOOL bPopupBar = pBar->GetType() == xtpBarTypePopup;
    const BOOL bPopuped = pControl->GetPopuped();
    CRect rcMain = rc;
    if (!(bPopuped && bPopupBar))
        rcMain.right -= 11;
    DrawRectangle(pDC, rcMain, pControl->GetEnabled(), pControl->GetSelected(), pControl->GetPressed(),
                  pControl->GetChecked(), FALSE, pBar->GetPosition());
    const COLORREF clrText = pDC->GetTextColor();
    if ((pControl->GetSelected() || pControl->GetPressed()) && pControl->GetEnabled() && !bPopuped) {
        const CRect rcArrow(rc.right - 12, rc.top, rc.right, rc.bottom);
        DrawRectangle(pDC, rcArrow, TRUE, TRUE, FALSE, FALSE, FALSE, pBar->GetPosition());
    }
    DrawDropDownTriangle(pDC, rc, clrText);
}

void CXTPPaintManager::DrawStatusBarPaneBorder(CDC* pDC, CRect rc)
{
    Draw3dRect(pDC, rc, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
}

void CXTPPaintManager::DrawStatusBarGripper(CDC* pDC, CRect rcClient)
{
    const CPoint ptCorner(rcClient.right, rcClient.bottom);
    {
        CXTPenSelector pen(pDC, GetColor(COLOR_BTNSHADOW));
        for (int i = 4; i <= 12; i += 4)
            for (int d = 0; d < 2; ++d) {
                pDC->MoveTo(ptCorner.x - i + d, ptCorner.y);
                pDC->LineTo(ptCorner.x, ptCorner.y - i + d);
            }
    }
    CXTPenSelector pen(pDC, GetColor(COLOR_BTNHIGHLIGHT));
    for (int i = 4; i <= 12; i += 4) {
        pDC->MoveTo(ptCorner.x - i + 2, ptCorner.y);
        pDC->LineTo(ptCorner.x, ptCorner.y - i + 2);
    }
}

void CXTPPaintManager::FillDockBar(CDC* pDC, CWnd* pBar)
{
    CRect rc;
    pBar->GetClientRect(&rc);
    pDC->FillSolidRect(&rc, GetColor(COLOR_BTNFACE));
}

void CXTPPaintManager::FillStatusBar(CDC* pDC, CWnd* pBar)
{
    FillDockBar(pDC, pBar);
}

BOOL CXTPPaintManager::HasPopupShadow() const
{
    return FALSE;
}

CSize CXTPPaintManager::DrawSpecialControl(CDC* pDC, int nKind, CXTPControl* pControl, CXTPCommandBar* pBar,
                                           BOOL bDraw, LPVOID lpParam)
{
    const CRect rc = pControl->GetRect();
    const CPoint ptCentre = rc.CenterPoint();
    switch (nKind) {
    case xtpButtonExpandToolbar: {
        const int nPosition = pBar->GetPosition();
        const BOOL bVert = nPosition == xtpBarLeft || nPosition == xtpBarRight || nPosition == xtpBarPopup;
        if (!bDraw) {
            const CSize szBar = *static_cast<const CSize*>(lpParam);
            pControl->SetRect(bVert ? CRect(2, szBar.cy - 13, szBar.cx - 2, szBar.cy - 2)
                                    : CRect(szBar.cx - 13, 2, szBar.cx - 2, szBar.cy - 2));
            return CSize(0, 0);
        }
        DrawControlEntry(pDC, pControl);
        const COLORREF clr = pDC->GetTextColor();
        const BOOL bHiddenControls = lpParam != nullptr;
        if (!bVert) {
            Triangle(pDC, CPoint(ptCentre.x - 2, rc.bottom - 7), CPoint(ptCentre.x + 2, rc.bottom - 7),
                     CPoint(ptCentre.x, rc.bottom - 5), clr);
            if (bHiddenControls) {
                CXTPenSelector pen(pDC, clr);
                for (int x = rc.left + 1; x <= rc.left + 5; x += 4)
                    for (int d = 0; d < 2; ++d) {
                        pDC->MoveTo(x + d, rc.top + 4);
                        pDC->LineTo(x + d + 2, rc.top + 6);
                        pDC->LineTo(x + d - 1, rc.top + 9);
                    }
            }
        } else {
            Triangle(pDC, CPoint(rc.left + 4, rc.top + 3), CPoint(rc.left + 4, rc.top + 7),
                     CPoint(rc.left + 6, rc.top + 5), clr);
            if (bHiddenControls) {
                CXTPenSelector pen(pDC, clr);
                for (int y = rc.top + 1; y <= rc.top + 5; y += 4)
                    for (int d = 0; d < 2; ++d) {
                        pDC->MoveTo(rc.right - 8, y + d);
                        pDC->LineTo(rc.right - 6, y + d + 2);
                        pDC->LineTo(rc.right - 3, y + d - 1);
                    }
            }
        }
        return CSize(0, 0);
    }
    case xtpButtonExpandMenu:
        if (bDraw) {
            DrawControlEntry(pDC, pControl);
            for (int y = rc.top + 2; y <= rc.top + 6; y += 4)
                for (int d = 0; d < 2; ++d) {
                    pDC->MoveTo(ptCentre.x - 2, y + d);
                    pDC->LineTo(ptCentre.x, y + d + 2);
                    pDC->LineTo(ptCentre.x + 3, y + d - 1);
                }
        }
        return CSize(0, 12);
    case xtpButtonMDIClose: {
        CFont font;
        font.CreatePointFont(::MulDiv(80, 96, pDC->GetDeviceCaps(LOGPIXELSX)), L"Marlett", pDC);
        CXTObjectSelector selection(pDC, &font);
        DrawControlEntry(pDC, pControl);
        if (!pControl->GetPressed() && !pControl->GetSelected())
            pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        CRect rcText = rc;
        pDC->DrawText(CString(L"r"), &rcText, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return CSize(0, 0);
    }
    case xtpButtonPopupArrow: {
        DrawControlEntry(pDC, pControl);
        const COLORREF clr = pControl->GetSelected() || pControl->GetPopuped() ? pDC->GetTextColor()
                                                                               : GetColor(COLOR_BTNHIGHLIGHT);
        Triangle(pDC, CPoint(ptCentre.x - 3, ptCentre.y - 2), CPoint(ptCentre.x + 3, ptCentre.y - 2),
                 CPoint(ptCentre.x, ptCentre.y + 1), clr);
        return CSize(0, 0);
    }
    default:
        return CSize(0, 0);
    }
}

CRect CXTPPaintManager::GetCommandBarBorders(CXTPCommandBar* /*pBar*/)
{
    return CRect(2, 2, 2, 2);
}

void CXTPPaintManager::DrawCheckMark(CDC* pDC, CRect rcCheck, COLORREF clr, BOOL bLayoutVariant)
{
    const int cx = (rcCheck.left + rcCheck.right) / 2;
    const int cy = (rcCheck.top + rcCheck.bottom) / 2;
    CXTPenSelector pen(pDC, clr);
    // Two strokes side by side; LineTo leaves out each end point.
    static const POINT kVariant0[2][3] = {{{-4, -1}, {-2, 1}, {3, -4}}, {{-4, 0}, {-2, 2}, {3, -3}}};
    static const POINT kVariant1[2][3] = {{{-4, -3}, {0, 1}, {3, -2}}, {{-4, -2}, {0, 2}, {3, -1}}};
    const POINT(&strokes)[2][3] = bLayoutVariant ? kVariant1 : kVariant0;
    for (int nPass = 0; nPass < (m_bBoldCheckMarks ? 2 : 1); ++nPass)
        for (const auto& stroke : strokes) {
            POINT pts[3];
            for (int i = 0; i < 3; ++i)
                pts[i] = POINT{cx + stroke[i].x, cy + nPass + stroke[i].y};
            pDC->Polyline(pts, 3);
        }
}

void CXTPPaintManager::DrawDropDownGlyph(CDC* pDC, CRect rc, COLORREF clr)
{
    const int f = rc.Width() / 2 > 5 ? rc.Width() / 2 - 4 : 2;
    const CPoint pt = rc.CenterPoint();
    const int y = pt.y - f / 2;
    Triangle(pDC, CPoint(pt.x - f, y), CPoint(pt.x + f, y), CPoint(pt.x, y + f), clr);
}

void CXTPPaintManager::Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nAnimationType)
{
    const int s = m_nAnimationSteps;
    const int t = m_nAnimationTime;
    if (s <= 0)
        return;
    const int cx = rc.Width();
    const int cy = rc.Height();
    switch (nAnimationType) {
    case xtpAnimateSlide:
        for (int i = 1; i <= s; ++i) {
            const int w = cx * i / s;
            const int h = cy * i / s;
            pDestDC->BitBlt(rc.left, rc.top, w, h, pSrcDC, rc.right - w, rc.bottom - h, SRCCOPY);
            ::Sleep(t / s);
        }
        break;
    case xtpAnimateUnfold:
        for (int i = 1; i <= s; ++i) {
            const int h = cy * i / s;
            pDestDC->BitBlt(rc.left, rc.top, cx, h, pSrcDC, rc.left, rc.bottom - h, SRCCOPY);
            ::Sleep(t / s);
        }
        break;
    case xtpAnimateFade: {
        if (cx <= 0 || cy <= 0)
            break;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        CDC dcWork;
        dcWork.CreateCompatibleDC(pDestDC);
        BYTE* pBits[3] = {};
        HBITMAP hBitmaps[3] = {};
        for (int i = 0; i < 3; ++i)
            hBitmaps[i] = ::CreateDIBSection(dcWork, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pBits[i]),
                                             nullptr, 0);
        if (hBitmaps[0] && hBitmaps[1] && hBitmaps[2]) {
            HGDIOBJ hOld = ::SelectObject(dcWork, hBitmaps[0]);
            ::BitBlt(dcWork, 0, 0, cx, cy, pSrcDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
            ::SelectObject(dcWork, hBitmaps[1]);
            ::BitBlt(dcWork, 0, 0, cx, cy, pDestDC->GetSafeHdc(), rc.left, rc.top, SRCCOPY);
            ::SelectObject(dcWork, hBitmaps[2]);
            ::GdiFlush();
            const size_t nBytes = static_cast<size_t>(cx) * static_cast<size_t>(cy) * 4;
            for (int i = 1; i < s; ++i) {
                const DWORD dwStart = ::GetTickCount();
                const int a = static_cast<BYTE>(255 * i / s);
                for (size_t j = 0; j < nBytes; j += 4)
                    for (size_t c = 0; c < 3; ++c)
                        pBits[2][j + c] = static_cast<BYTE>((pBits[0][j + c] * a + pBits[1][j + c] * (255 - a)) >> 8);
                ::BitBlt(pDestDC->GetSafeHdc(), rc.left, rc.top, cx, cy, dcWork, 0, 0, SRCCOPY);
                const DWORD dwSpent = ::GetTickCount() - dwStart;
                if (dwSpent < static_cast<DWORD>(t / s))
                    ::Sleep(static_cast<DWORD>(t / s) - dwSpent);
            }
            ::SelectObject(dcWork, hOld);
        }
        for (HBITMAP hBitmap : hBitmaps)
            if (hBitmap)
                ::DeleteObject(hBitmap);
        break;
    }
    default:
        break;
    }
}

void CXTPPaintManager::DrawCommandBarExtra(LPCTSTR /*lpszCaption*/)
{
}

void CXTPPaintManager::Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr)
{
    CXTPenSelector pen(pDC, clr);
    CXTBrushSelector brush(pDC, clr);
    const POINT pts[3] = {pt0, pt1, pt2};
    pDC->Polygon(pts, 3);
}

void CXTPPaintManager::Rectangle(CDC* pDC, CRect rc, int nFill, int nBorder)
{
    if (nFill != -1)
        pDC->FillSolidRect(&rc, GetColor(nFill));
    if (nBorder != nFill && nBorder != -1)
        pDC->Draw3dRect(&rc, GetColor(nBorder), GetColor(nBorder));
}

void CXTPPaintManager::Draw3dRect(CDC* pDC, CRect rc, int nTopLeft, int nBottomRight)
{
    pDC->Draw3dRect(&rc, GetColor(nTopLeft), GetColor(nBottomRight));
}

void CXTPPaintManager::Line(CDC* pDC, CPoint ptFrom, CPoint ptTo)
{
    pDC->MoveTo(ptFrom);
    pDC->LineTo(ptTo);
}

void CXTPPaintManager::Line(CDC* pDC, CPoint ptFrom, CPoint ptTo, int nPen)
{
    CXTPenSelector pen(pDC, GetColor(nPen));
    Line(pDC, ptFrom, ptTo);
}

void CXTPPaintManager::GradientFill(CDC* pDC, CRect rc, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal,
                                    const CRect* pClip)
{
    CXTGradientFiller::Instance().FillGradientClipped(pDC, rc, clrStart, clrEnd, bHorizontal, pClip);
}
