#include "CXTPDefaultTheme.h"

#include <algorithm>

#include "CXTObjectSelector.h"
#include "CXTPCommandBar.h"
#include "CXTPControl.h"
#include "CXTPImageManagerIcon.h"
#include "CXTPenSelector.h"
#include "FontHelpers.h"

namespace {

// The rectangle a bar draws in: its client area, or all the DC shows when the
// bar has no window (bars are laid out and painted into memory DCs too).
CRect BarRect(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rc;
    if (pBar->GetSafeHwnd() != nullptr)
        pBar->GetClientRect(&rc);
    else
        pDC->GetClipBox(&rc);
    return rc;
}

BOOL IsPopupKind(int nType)
{
    return nType == xtpControlPopup || nType == xtpControlButtonPopup || nType == xtpControlSplitButtonPopup;
}

} // namespace

CXTPDefaultTheme::CXTPDefaultTheme()
{
    m_iconOptions.bUseFadedIcons = FALSE;
    m_iconOptions.bIconsWithShadow = FALSE;
}

int CXTPDefaultTheme::GetThemeValue()
{
    return 0;
}

void CXTPDefaultTheme::FillCommandBar(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rc = BarRect(pDC, pBar);
    pDC->FillSolidRect(&rc, GetColor(COLOR_BTNFACE));
    const int nPosition = pBar->GetPosition();
    if (nPosition == xtpBarFloating || nPosition == xtpBarPopup) {
        Draw3dRect(pDC, rc, COLOR_BTNFACE, COLOR_3DDKSHADOW);
        rc.DeflateRect(1, 1);
    }
    DrawRaised(pDC, rc);
}

void CXTPDefaultTheme::DrawRectangle(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bPressed,
                                     BOOL bChecked, BOOL bPopuped, int nBarPosition)
{
    DrawButtonFrame(pDC, rc, bSelected, bPressed, bEnabled, bChecked, bPopuped, TRUE, nBarPosition);
    if (!bEnabled)
        pDC->SetTextColor(GetColor(COLOR_GRAYTEXT));
    else
        pDC->SetTextColor(GetColor(nBarPosition == xtpBarPopup ? m_nMenuTextColor : COLOR_BTNTEXT));
    pDC->SetBkMode(TRANSPARENT);
}

void CXTPDefaultTheme::DrawButtonFrame(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                                       BOOL bChecked, BOOL bPopuped, BOOL /*bToolBar*/, int /*nBarPosition*/)
{
    if (!bEnabled) {
        if (bChecked || bSelected == 2)
            DrawSunken(pDC, rc);
        return;
    }
    if (bChecked) {
        if (!bSelected && !bPressed) {
            // Alternate pixels of highlight and face, as the system shows a checked button.
            static const WORD kDither[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
            CBitmap bitmap;
            bitmap.Attach(::CreateBitmap(8, 8, 1, 1, kDither));
            CBrush brush;
            brush.Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap.GetSafeHandle())));
            const COLORREF clrOldBk = pDC->SetBkColor(GetColor(COLOR_BTNFACE));
            const COLORREF clrOldText = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
            CBrush* pOld = pDC->SelectObject(&brush);
            pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
            pDC->SelectObject(pOld);
            pDC->SetBkColor(clrOldBk);
            pDC->SetTextColor(clrOldText);
        }
        DrawSunken(pDC, rc);
    } else if (bPopuped || bPressed == 2 || (bSelected && bPressed)) {
        DrawSunken(pDC, rc);
    } else if (bSelected || bPressed) {
        DrawRaised(pDC, rc);
    }
}

void CXTPDefaultTheme::DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, BOOL bSelected,
                                 BOOL bPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL /*bToolBar*/)
{
    if (pImage == nullptr)
        return;
    const CPoint ptPushed(pt.x + 1, pt.y + 1);
    if (!bEnabled) {
        if (m_iconOptions.bUseDisabledIcons || pImage->HasDisabledIcon()) {
            if (m_iconOptions.bTintedDisabledIcons && !pImage->HasDisabledIcon())
                pImage->CreateDisabledIcon(m_faceGradient.clrStart, m_faceGradient.clrEnd);
            pImage->Draw(pDC, pt, pImage->GetDisabledIcon(), sz.cx, sz.cy);
        } else {
            pImage->DrawComposed(pDC, ptPushed, pImage->GetIcon(), GetColor(COLOR_BTNHIGHLIGHT));
            pImage->DrawComposed(pDC, pt, pImage->GetIcon(), GetColor(COLOR_BTNSHADOW));
        }
        return;
    }
    if (bPopuped || bChecked) {
        pImage->Draw(pDC, pt, bPopuped && !bChecked ? pImage->GetIcon() : pImage->GetCheckedIcon(), sz.cx, sz.cy);
        return;
    }
    if (bPressed == 2 || (bSelected && bPressed)) {
        pImage->Draw(pDC, ptPushed, pImage->GetHotIcon(), sz.cx, sz.cy);
    } else if (bSelected || bPressed) {
        if (m_iconOptions.bIconsWithShadow && !pImage->GetShadowIcon().IsEmpty()) {
            pImage->Draw(pDC, ptPushed, pImage->GetShadowIcon(), sz.cx, sz.cy);
            pImage->Draw(pDC, CPoint(pt.x - 1, pt.y - 1), pImage->GetHotIcon(), sz.cx, sz.cy);
        } else {
            pImage->Draw(pDC, pt, pImage->GetHotIcon(), sz.cx, sz.cy);
        }
    } else {
        pImage->Draw(pDC, pt, m_iconOptions.bUseFadedIcons ? pImage->GetFadedIcon() : pImage->GetIcon(), sz.cx, sz.cy);
    }
}

CSize CXTPDefaultTheme::DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    CXTObjectSelector font(pDC, GetCommandBarFont(pBar, pControl->GetDefaultItem()));
    const int nType = pControl->GetType();
    CSize szImage = pBar->GetBarIconSize();
    const int nStyle = pControl->GetEffectiveStyle();
    const BOOL bImageStyle = nStyle == xtpButtonIcon || nStyle == xtpButtonIconAndCaption
                             || (nStyle == xtpButtonAutomatic && nType != xtpControlPopup);
    CXTPImageManagerIcon* pImage = bImageStyle ? pControl->GetImage(szImage.cx) : nullptr;
    if (pImage != nullptr && pImage->GetWidth() > 0)
        szImage.cy = szImage.cx * pImage->GetHeight() / pImage->GetWidth();
    const int g = std::max<int>(m_nTextHeight, szImage.cx + 4);
    const int nRowHeight = std::max<int>(m_nTextHeight, szImage.cy + 4);

    CString strCaption = pControl->GetDisplayCaption();
    UINT nFormat = DT_END_ELLIPSIS;
    if (!pBar->IsKeyboardCuesVisible()) {
        StripMnemonics(strCaption);
        nFormat |= DT_NOPREFIX;
    }
    const CString strShortcut = nType == xtpControlButton ? pControl->GetShortcutText() : CString();
    CRect rcShortcutExtent(0, 0, 0, 0);
    if (!strShortcut.IsEmpty())
        DrawControlCaptionText(pDC, strShortcut, rcShortcutExtent, DT_NOPREFIX, FALSE, FALSE, TRUE);

    if (!bDraw) {
        CRect rcCaption(0, 0, 0, 0);
        DrawControlCaptionText(pDC, strCaption, rcCaption, nFormat, FALSE, FALSE, TRUE);
        return CSize(rcCaption.Width() + rcShortcutExtent.Width() + g + 40, nRowHeight);
    }

    const CRect rc = pControl->GetRect();
    const BOOL bSelected = pControl->GetSelected();
    const BOOL bEnabled = pControl->GetEnabled();
    const BOOL bChecked = pControl->GetChecked();
    const BOOL bPopuped = pControl->GetPopuped();

    if (pControl->GetCollapsed())
        pDC->FillSolidRect(&rc, GetColor(COLOR_3DLIGHT));
    const CRect rcImage(rc.left, rc.top + (rc.Height() - g) / 2, rc.left + g, rc.top + (rc.Height() - g) / 2 + g);
    const CPoint ptCentre = rcImage.CenterPoint();
    const CRect rcCheck(ptCentre.x - 10, ptCentre.y - 10, ptCentre.x + 10, ptCentre.y + 10);

    const COLORREF clrMenuText = GetColor(bEnabled ? m_nMenuTextColor : COLOR_GRAYTEXT);
    const COLORREF clrText = !bEnabled ? GetColor(COLOR_GRAYTEXT)
                                       : GetColor(bSelected ? COLOR_HIGHLIGHTTEXT : m_nMenuTextColor);
    if (m_bFullRowSelection && bSelected)
        pDC->FillSolidRect(&rc, GetColor(COLOR_HIGHLIGHT));
    if (!m_bFullRowSelection && bSelected)
        pDC->FillSolidRect(rcImage.right + 1, rc.top, rc.right - rcImage.right - 1, rc.Height(),
                           GetColor(COLOR_HIGHLIGHT));

    if (!m_bFullRowSelection && bChecked)
        DrawButtonFrame(pDC, rcImage, FALSE, FALSE, bEnabled, TRUE, FALSE, FALSE, xtpBarPopup);
    if (pImage != nullptr) {
        if (!m_bFullRowSelection)
            DrawButtonFrame(pDC, rcImage, bSelected, FALSE, bEnabled, bChecked, FALSE, FALSE, xtpBarPopup);
        const CPoint pt(rcImage.left + (g - szImage.cx) / 2, rcImage.top + (g - szImage.cy) / 2);
        DrawImage(pDC, pt, szImage, pImage, bSelected, FALSE, bEnabled, bChecked, bPopuped, FALSE);
    } else if (bChecked) {
        DrawCheckMark(pDC, rcCheck, m_bFullRowSelection ? clrText : clrMenuText, FALSE);
    }

    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    if (IsPopupKind(nType)) {
        const int y = rc.CenterPoint().y;
        Triangle(pDC, CPoint(rc.right - 11, y - 3), CPoint(rc.right - 11, y + 3), CPoint(rc.right - 8, y), clrText);
    }
    if (nType == xtpControlSplitButtonPopup && bEnabled) {
        if (bSelected && bPopuped)
            DrawSunken(pDC, CRect(rc.right - 20, rc.top, rc.right, rc.bottom));
        else
            Line(pDC, CPoint(rc.right - 20, rc.top), CPoint(rc.right - 20, rc.bottom),
                 bSelected ? COLOR_BTNSHADOW : m_nMenuTextColor);
    }

    CRect rcCaption(rc.left + g + 4, rc.top, rc.right, rc.bottom);
    if (!strShortcut.IsEmpty()) {
        CRect rcShortcut(rc.left + g + 8, rc.top, rc.right - 19, rc.bottom);
        DrawControlCaptionText(pDC, strShortcut, rcShortcut, DT_NOPREFIX | DT_RIGHT, TRUE, bSelected, bEnabled);
        rcCaption.right -= rcShortcutExtent.Width() + 19;
    }
    DrawControlCaptionText(pDC, strCaption, rcCaption, nFormat, TRUE, bSelected, bEnabled);
    return CSize(0, 0);
}

void CXTPDefaultTheme::DrawControlCaptionText(CDC* pDC, const CString& strText, CRect& rc, UINT nFormat,
                                              BOOL bDraw, BOOL bSelected, BOOL bEnabled)
{
    nFormat |= DT_SINGLELINE | DT_VCENTER;
    if (!bDraw) {
        // The whole text's extent: an ellipsis would measure what fits in the empty rectangle.
        pDC->DrawText(strText, &rc, (nFormat & ~DT_END_ELLIPSIS) | DT_CALCRECT);
        return;
    }
    if (!bEnabled && !bSelected) {
        const COLORREF clrOld = pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        CRect rcEmbossed = rc;
        rcEmbossed.OffsetRect(1, 1);
        pDC->DrawText(strText, &rcEmbossed, nFormat);
        pDC->SetTextColor(clrOld);
    }
    pDC->DrawText(strText, &rc, nFormat);
}

void CXTPDefaultTheme::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const BOOL bPopuped = pControl->GetPopuped();
    const BOOL bPopupBar = pBar->GetType() == xtpBarTypePopup;
    const BOOL bEnabled = pControl->GetEnabled();
    const BOOL bSelected = pControl->GetSelected();
    const CRect rcMain(rc.left, rc.top, rc.right - 12, rc.bottom);
    DrawRectangle(pDC, rcMain, bEnabled, bSelected || (bPopuped && bPopupBar), pControl->GetPressed(),
                  pControl->GetChecked(), FALSE, pBar->GetPosition());
    const COLORREF clrText = pDC->GetTextColor();
    if ((bSelected || pControl->GetPressed() || bPopuped) && bEnabled)
        DrawRectangle(pDC, CRect(rc.right - 12, rc.top, rc.right, rc.bottom), TRUE, TRUE, FALSE, FALSE, bPopuped,
                      pBar->GetPosition());
    pDC->SetTextColor(clrText);
    DrawDropDownTriangle(pDC, rc, clrText);
}

int CXTPDefaultTheme::ComboDropDownWidth(CDC* pDC)
{
    TEXTMETRICW tm{};
    ::GetTextMetricsW(pDC->GetSafeHdc(), &tm);
    return std::max<int>(15, tm.tmAveCharWidth * 2 + 4);
}

CSize CXTPDefaultTheme::MeasureBoxControl(CDC* pDC, CXTPControl* pControl, int& nLabelWidth)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const BOOL bPopupBar = pBar->GetType() == xtpBarTypePopup;
    int nRowHeight = 0;
    for (CFont* pFont : {static_cast<CFont*>(&m_fontIcon), &m_fontRegular}) {
        CXTObjectSelector font(pDC, pFont);
        nRowHeight = std::max<int>(nRowHeight, pDC->GetTextExtent(L" ", 1).cy + 1);
    }
    const int g = std::max<int>(m_nTextHeight, pBar->GetBarIconSize().cx + 4);
    nLabelWidth = 0;
    if (bPopupBar || pControl->IsCaptionVisible()) {
        CXTObjectSelector font(pDC, &m_fontRegular);
        CString strCaption = pControl->GetDisplayCaption();
        StripMnemonics(strCaption);
        const int cx = pDC->GetTextExtent(strCaption, strCaption.GetLength()).cx;
        nLabelWidth = bPopupBar ? cx + g + 9 : cx + 5;
    }
    const int nWidth = pControl->GetRect().Width();
    return CSize(bPopupBar ? nWidth + nLabelWidth : nWidth, nRowHeight + 7);
}

CRect CXTPDefaultTheme::DrawBoxLabel(CDC* pDC, CXTPControl* pControl, int nLabelWidth)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    const BOOL bPopupBar = pBar->GetType() == xtpBarTypePopup;
    CRect rc = pControl->GetRect();
    pDC->SetBkMode(TRANSPARENT);
    if (bPopupBar || nLabelWidth > 0) {
        const int g = std::max<int>(m_nTextHeight, pBar->GetBarIconSize().cx + 4);
        CString strCaption = pControl->GetDisplayCaption();
        UINT nFormat = 0;
        if (!pBar->IsKeyboardCuesVisible()) {
            StripMnemonics(strCaption);
            nFormat |= DT_NOPREFIX;
        }
        CXTObjectSelector font(pDC, &m_fontRegular);
        pDC->SetTextColor(GetColor(pControl->GetEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        CRect rcLabel(rc.left + (bPopupBar ? g + 4 : 2), rc.top, rc.left + nLabelWidth, rc.bottom);
        DrawControlCaptionText(pDC, strCaption, rcLabel, nFormat, TRUE, pControl->GetSelected(),
                               pControl->GetEnabled());
        rc.left += nLabelWidth;
    }
    return rc;
}

CSize CXTPDefaultTheme::DrawControlEdit(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    int nLabelWidth = 0;
    const CSize sz = MeasureBoxControl(pDC, pControl, nLabelWidth);
    if (!bDraw)
        return sz;
    const CRect rcBox = DrawBoxLabel(pDC, pControl, nLabelWidth);
    if (pControl->GetEnabled())
        pDC->FillSolidRect(&rcBox, GetColor(COLOR_WINDOW));
    DrawEditFrame(pDC, rcBox, pControl->GetEnabled(), pControl->GetSelected());
    return sz;
}

CSize CXTPDefaultTheme::DrawControlComboBox(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    int nLabelWidth = 0;
    const CSize sz = MeasureBoxControl(pDC, pControl, nLabelWidth);
    if (!bDraw)
        return sz;
    const CRect rcBox = DrawBoxLabel(pDC, pControl, nLabelWidth);
    const BOOL bEnabled = pControl->GetEnabled();
    if (bEnabled)
        Rectangle(pDC, rcBox, COLOR_WINDOW, COLOR_WINDOW);
    int nButtonWidth = 0;
    {
        CXTObjectSelector font(pDC, &m_fontIcon);
        nButtonWidth = ComboDropDownWidth(pDC);
    }
    const CRect rcButton(rcBox.right - nButtonWidth, rcBox.top, rcBox.right, rcBox.bottom);
    DrawComboBoxButton(pDC, rcButton, bEnabled, pControl->GetSelected(), pControl->GetPopuped());
    DrawEditFrame(pDC, rcBox, bEnabled, pControl->GetSelected());
    return sz;
}

void CXTPDefaultTheme::DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected)
{
    if (bEnabled && nSelected) {
        DrawSunken(pDC, rc);
        rc.DeflateRect(1, 1);
        Draw3dRect(pDC, rc, COLOR_BTNFACE, COLOR_BTNFACE);
    } else if (bEnabled) {
        Draw3dRect(pDC, rc, COLOR_BTNFACE, COLOR_BTNFACE);
        rc.DeflateRect(1, 1);
        Draw3dRect(pDC, rc, COLOR_BTNFACE, COLOR_BTNFACE);
    } else {
        rc.DeflateRect(1, 1);
        const int nColor = nSelected == 2 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
        Draw3dRect(pDC, rc, nColor, nColor);
    }
}

void CXTPDefaultTheme::DrawComboBoxButton(CDC* pDC, CRect rcBtn, BOOL bEnabled, BOOL bSelected, BOOL bDropped)
{
    rcBtn.DeflateRect(1, 2, 2, 2);
    if (bEnabled) {
        pDC->FillSolidRect(&rcBtn, GetColor(COLOR_BTNFACE));
        if (bDropped) {
            Line(pDC, CPoint(rcBtn.left - 1, rcBtn.top), CPoint(rcBtn.left - 1, rcBtn.bottom), COLOR_BTNFACE);
            DrawSunken(pDC, rcBtn);
            rcBtn.OffsetRect(1, 1);
        } else {
            if (bSelected)
                Line(pDC, CPoint(rcBtn.left - 1, rcBtn.top), CPoint(rcBtn.left - 1, rcBtn.bottom), COLOR_BTNFACE);
            Draw3dRect(pDC, rcBtn, COLOR_BTNHIGHLIGHT, bSelected ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
        }
    }
    DrawDropDownGlyph(pDC, rcBtn, GetColor(COLOR_BTNTEXT));
}

CSize CXTPDefaultTheme::DrawListBoxControl(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                           CXTPCommandBars* /*pCommandBars*/)
{
    if (bDraw)
        pDC->FillSolidRect(&rc, GetColor(COLOR_BTNFACE));
    if (pControl == nullptr)
        return CSize(0, 0);
    // The customize dialogs' lists show commands at the popup icon size.
    const CSize szImage(16, 16);
    const int nBox = std::max<int>(m_nTextHeight, szImage.cx + 4);
    if (!bDraw)
        return CSize(0, nBox);
    const int nType = pControl->GetType();
    const int nStyle = pControl->GetEffectiveStyle();
    const BOOL bImageStyle = nStyle == xtpButtonIcon || nStyle == xtpButtonIconAndCaption
                             || (nStyle == xtpButtonAutomatic && !IsPopupKind(nType));
    const CRect rcImage(rc.left, rc.top, rc.left + nBox, rc.top + nBox);
    if (CXTPImageManagerIcon* pImage = bImageStyle ? pControl->GetImage(szImage.cx) : nullptr) {
        DrawButtonFrame(pDC, rcImage, bSelected, FALSE, TRUE, FALSE, FALSE, FALSE, xtpBarPopup);
        const CPoint pt(rcImage.left + (nBox - szImage.cx) / 2, rcImage.top + (nBox - szImage.cy) / 2);
        DrawImage(pDC, pt, szImage, pImage, bSelected, FALSE, TRUE, FALSE, FALSE, FALSE);
    }
    CRect rcText(rc.left + nBox + 4, rc.top, rc.right, rc.bottom);
    if (bSelected)
        pDC->FillSolidRect(rcImage.right, rc.top, rc.right - rcImage.right, rc.Height(), GetColor(COLOR_HIGHLIGHT));
    const COLORREF clrText = GetColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    pDC->SetTextColor(clrText);
    pDC->SetBkMode(TRANSPARENT);
    CString strCaption = pControl->GetDisplayCaption();
    StripMnemonics(strCaption);
    {
        CXTObjectSelector font(pDC, &m_fontRegular);
        pDC->DrawText(strCaption, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    const int y = rc.CenterPoint().y;
    if (IsPopupKind(nType))
        Triangle(pDC, CPoint(rc.right - 12, y - 5), CPoint(rc.right - 12, y + 5), CPoint(rc.right - 7, y), clrText);
    if (nType == xtpControlSplitButtonPopup) {
        CXTPenSelector pen(pDC, clrText);
        Line(pDC, CPoint(rc.right - 20, rc.top), CPoint(rc.right - 20, rc.bottom));
    }
    return CSize(0, nBox);
}

CSize CXTPDefaultTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    const CRect rcBar = BarRect(pDC, pBar);
    switch (pBar->GetPosition()) {
    case xtpBarTop:
    case xtpBarBottom:
        if (bDraw)
            DrawRaised(pDC, CRect(3, 3, 6, rcBar.bottom - 3));
        return CSize(6, 0);
    case xtpBarLeft:
    case xtpBarRight:
        if (bDraw)
            DrawRaised(pDC, CRect(3, 3, rcBar.right - 3, 6));
        return CSize(0, 8);
    case xtpBarFloating: {
        CXTObjectSelector font(pDC, &m_fontSmCaption);
        const int nHeight = pDC->GetTextExtent(L" ", 1).cy;
        const CRect rcStrip(3, 3, rcBar.right - 3, nHeight < 15 ? 18 : nHeight + 3);
        if (bDraw) {
            pDC->FillSolidRect(&rcStrip, GetColor(COLOR_ACTIVECAPTION));
            pDC->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
            pDC->SetBkMode(TRANSPARENT);
            CRect rcText(5, 3, rcBar.right - 2 * rcStrip.Height(), rcStrip.bottom);
            pDC->DrawText(pBar->GetTitle(), &rcText, DT_SINGLELINE | DT_VCENTER);
        }
        return rcStrip.Size();
    }
    default:
        return CSize(0, 0);
    }
}

CSize CXTPDefaultTheme::DrawFloatingGripper(CDC* pDC, CXTPCommandBar* /*pBar*/, BOOL bDraw)
{
    const int h = m_nTextHeight >= 18 ? m_nTextHeight + 4 : 22;
    if (bDraw)
        DrawRaised(pDC, CRect(3, 3, 6, h));
    return CSize(6, h);
}

CSize CXTPDefaultTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl, BOOL bDraw)
{
    const BOOL bPopupBar = pBar->GetType() == xtpBarTypePopup;
    if (!bDraw)
        return bPopupBar ? CSize(8, 8) : CSize(6, 6);
    const CRect rc = pControl->GetRect();
    const CRect rcRow = pControl->GetRowRect();
    const int nPosition = pBar->GetPosition();
    if (bPopupBar) {
        DrawSunken(pDC, CRect(14, rc.top - 5, BarRect(pDC, pBar).right - 14, rc.top - 3));
    } else if (nPosition != xtpBarLeft && nPosition != xtpBarRight) {
        if (pControl->GetWrap())
            DrawSunken(pDC, CRect(rcRow.left + 4, rcRow.top - 4, rcRow.right, rcRow.top - 2));
        else
            DrawSunken(pDC, CRect(rc.left - 4, rcRow.top, rc.left - 2, rcRow.bottom));
    } else {
        if (pControl->GetWrap())
            DrawSunken(pDC, CRect(rcRow.right + 2, rcRow.top + 4, rcRow.right + 4, rcRow.bottom));
        else
            DrawSunken(pDC, CRect(rcRow.left, rc.top - 4, rcRow.right, rc.top - 2));
    }
    return CSize(0, 0);
}

void CXTPDefaultTheme::AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    if (pControl->GetType() == xtpControlComboBox)
        return;
    if (pControl->GetParent()->GetType() == xtpBarTypePopup)
        rc.DeflateRect(1, 0);
    else if (bVertical)
        rc.InflateRect(0, 1);
    else
        rc.InflateRect(1, 0);
}

CSize CXTPDefaultTheme::DrawSpecialControl(CDC* pDC, int nKind, CXTPControl* pControl, CXTPCommandBar* pBar,
                                           BOOL bDraw, LPVOID lpParam)
{
    if (bDraw && (nKind == xtpButtonMDIClose || nKind == xtpButtonPopupArrow)
        && (pControl->GetPressed() || pControl->GetSelected()
            || (nKind == xtpButtonPopupArrow && pControl->GetPopuped()))) {
        const CRect rc = pControl->GetRect();
        pDC->FillSolidRect(&rc, GetColor(COLOR_BTNFACE));
    }
    return CXTPPaintManager::DrawSpecialControl(pDC, nKind, pControl, pBar, bDraw, lpParam);
}

CRect CXTPDefaultTheme::GetCommandBarBorders(CXTPCommandBar* pBar)
{
    if (pBar->GetType() == xtpBarTypePopup)
        return CRect(3, 3, 3, 3);
    return CXTPPaintManager::GetCommandBarBorders(pBar);
}

CSize CXTPDefaultTheme::DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw)
{
    if (bDraw)
        pDC->FillSolidRect(rcGripper.left, rcGripper.top, rcGripper.Width(), rcGripper.Height() - 1,
                           GetColor(bSelected ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    return CSize(0, 8);
}
