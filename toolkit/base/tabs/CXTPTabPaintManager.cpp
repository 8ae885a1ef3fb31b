#include "CXTPTabPaintManager.h"

#include "CXTPColorManager.h"
#include "CXTPTabAppearance3D.h"
#include "CXTPTabAppearance3DSelected.h"
#include "CXTPTabAppearanceBevelled.h"
#include "CXTPTabAppearanceBordered.h"
#include "CXTPTabAppearanceButtons.h"
#include "CXTPTabAppearanceFlat.h"
#include "CXTPTabAppearancePlain.h"
#include "CXTPTabAppearanceSlanted.h"
#include "CXTPTabAppearanceStackedBar.h"
#include "CXTPTabAppearanceTrapezoid.h"
#include "CXTPTabColorSetPlain.h"
#include "CXTPTabColorSetScheme.h"
#include "CXTPTabColorSetSchemeFlat.h"
#include "CXTPTabColorSetThemed.h"
#include "CXTPTabColorSetTinted.h"
#include "CXTPTabManager.h"
#include "FontHelpers.h"

#include <algorithm>
#include <climits>

namespace {

std::unique_ptr<CXTPTabAppearanceSet> MakeAppearanceSet(int nStyle)
{
    switch (nStyle) {
    case 1: return std::make_unique<CXTPTabAppearance3DSelected>();
    case 2: return std::make_unique<CXTPTabAppearanceBordered>();
    case 3: return std::make_unique<CXTPTabAppearanceSlanted>();
    case 4: return std::make_unique<CXTPTabAppearanceButtons>();
    case 5: return std::make_unique<CXTPTabAppearancePlain>();
    case 6: return std::make_unique<CXTPTabAppearanceFlat>();
    case 7: return std::make_unique<CXTPTabAppearanceTrapezoid>();
    case 8: return std::make_unique<CXTPTabAppearanceStackedBar>();
    case 9: return std::make_unique<CXTPTabAppearanceBevelled>();
    default: return std::make_unique<CXTPTabAppearance3D>();
    }
}

CXTPTabColorSet* MakeColorSet(int nType)
{
    switch (nType) {
    case 2: return new CXTPTabColorSetTinted;
    case 4: return new CXTPTabColorSetScheme;
    case 8: return new CXTPTabColorSetThemed;
    case 16: return new CXTPTabColorSetSchemeFlat;
    default: return new CXTPTabColorSetPlain;
    }
}

// The text flags of a tab label.
UINT LabelFlags(BOOL bNoPrefix) { return DT_SINGLELINE | DT_VCENTER | (bNoPrefix ? DT_NOPREFIX : 0); }

} // namespace

CXTPTabPaintManager::CXTPTabPaintManager()
{
    SetAppearance(0);
    ReloadMetrics();
}

CXTPTabPaintManager::~CXTPTabPaintManager() = default;

CXTPTabAppearanceSet* CXTPTabPaintManager::SetAppearance(int nStyle)
{
    if (nStyle < 0 || nStyle > 9)
        nStyle = 0;
    m_nAppearanceStyle = nStyle;
    m_pAppearanceSet = MakeAppearanceSet(nStyle);
    m_pAppearanceSet->SetPaintManager(this);
    m_pAppearanceSet->RefreshMetrics();
    SelectColorSetType(m_pAppearanceSet->GetDefaultColorSet());
    RedrawObservers();
    return m_pAppearanceSet.get();
}

CXTPTabColorSet* CXTPTabPaintManager::SelectColorSetType(int nType)
{
    m_nColorSetType = nType;
    CXTPTabColorSet* pColorSet = MakeColorSet(nType);
    SetColorSet(pColorSet);
    return pColorSet;
}

void CXTPTabPaintManager::SetColorSet(CXTPTabColorSet* pColorSet)
{
    // Drawing always needs a colour set: none given keeps the one installed.
    if (!pColorSet)
        return;
    m_pColorSet.reset(pColorSet);
    pColorSet->SetPaintManager(this);
    pColorSet->ReloadMetrics();
    RedrawObservers();
}

void CXTPTabPaintManager::SetNoSchemeColors(BOOL bNoSchemeColors)
{
    m_bNoSchemeColors = bNoSchemeColors;
    ReloadMetrics();
}

BOOL CXTPTabPaintManager::UseNoSchemeColors() const
{
    return m_bNoSchemeColors || GetColorManager()->SchemeColorsSwitchedOff();
}

void CXTPTabPaintManager::SetOwner(CWnd* pOwner)
{
    m_pOwner = pOwner;
    ReloadMetrics();
}

void CXTPTabPaintManager::SetPositionOption(int nPosition)
{
    m_nPosition = nPosition;
    RedrawObservers();
}

void CXTPTabPaintManager::SetLayout(int nLayout)
{
    m_nLayout = nLayout;
    RedrawObservers();
}

void CXTPTabPaintManager::BuildTabFonts(const LOGFONTW& logFont, BOOL bUseSystemFont)
{
    m_bUseSystemFont = bUseSystemFont;
    LOGFONTW lf = logFont;
    m_fntNormal.DeleteObject();
    m_fntBold.DeleteObject();
    m_fntVerticalNormal.DeleteObject();
    m_fntVerticalBold.DeleteObject();

    lf.lfWeight = m_bBoldAll ? FW_BOLD : FW_NORMAL;
    m_fntNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntBold.CreateFontIndirect(&lf);

    const CString strFace = GetDefaultFontFace(FALSE);
    lstrcpynW(lf.lfFaceName, strFace, LF_FACESIZE);
    lf.lfOrientation = 900;
    lf.lfEscapement = 2700;
    // Small vertical text is hard to read; such heights are raised.
    if (lf.lfHeight >= -10 && lf.lfHeight <= -1)
        lf.lfHeight = -11;
    lf.lfWeight = m_bBoldAll ? FW_BOLD : FW_NORMAL;
    m_fntVerticalNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fntVerticalBold.CreateFontIndirect(&lf);
}

void CXTPTabPaintManager::AddObserver(CXTPTabManager* pManager)
{
    if (std::find(m_observers.begin(), m_observers.end(), pManager) == m_observers.end())
        m_observers.push_back(pManager);
}

void CXTPTabPaintManager::RemoveObserver(CXTPTabManager* pManager)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), pManager), m_observers.end());
}

void CXTPTabPaintManager::PaintTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    m_pAppearanceSet->DrawTabControl(pManager, pDC, rcControl);
}

void CXTPTabPaintManager::ReduceToClientRect(CXTPTabManager* pManager, CRect& rcClient)
{
    if (pManager->IsDrawStaticFrame())
        rcClient.DeflateRect(CXTPTabAppearanceSet::TurnMargins(CRect(2, 1, 2, 2), pManager->GetPosition()));
    if (pManager->CountItems() > 0)
        m_pAppearanceSet->AdjustClientRect(pManager, rcClient);
}

void CXTPTabPaintManager::LayoutTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    pManager->SetHeaderRect(CRect(0, 0, 0, 0));
    pManager->SetControlRect(rcControl);
    pManager->SetTabClientRect(rcControl);
    for (int i = 0; i < pManager->CountItems(); ++i)
        pManager->ItemAtIndex(i)->SetRow(0);
    m_pAppearanceSet->LayoutItems(pManager, pDC, rcControl);
    CRect rcClient = rcControl;
    ReduceToClientRect(pManager, rcClient);
    pManager->SetTabClientRect(rcClient);
}

BOOL CXTPTabPaintManager::IsTextVertical(CXTPTabManager* pManager) const
{
    // The stacked bars of style 8 run across the control at every position.
    if (m_nAppearanceStyle == 8)
        return FALSE;
    return CXTPTabAppearanceSet::IsVertical(pManager->GetPosition()) != (m_nLayout == xtpTabLayoutRotated);
}

CFont* CXTPTabPaintManager::FontFor(CXTPTabManagerItem* pItem)
{
    const BOOL bBold = m_bBoldSelected && pItem->IsSelected();
    if (IsTextVertical(pItem->GetTabManager()))
        return bBold ? &m_fntVerticalBold : &m_fntVerticalNormal;
    return bBold ? &m_fntBold : &m_fntNormal;
}

int CXTPTabPaintManager::DrawTabLabel(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem, BOOL bDraw)
{
    CXTPTabManager* pManager = pItem->GetTabManager();
    const BOOL bVertical = IsTextVertical(pManager);
    CFont* pOldFont = pDC->SelectObject(FontFor(pItem));

    CSize szIcon = m_szIcon;
    const BOOL bIcon = m_bShowIcons && pManager->DrawIcon(pDC, CPoint(0, 0), pItem, FALSE, szIcon);
    const int nIconExtent = bIcon ? (bVertical ? szIcon.cy : szIcon.cx) : 0;
    const CString strCaption = pManager->GetItemCaption(pItem);
    const BOOL bShowText = m_nLayout != xtpTabLayoutCompressed || pItem->IsSelected();

    int nResult = 0;
    if (!bDraw) {
        CSize szNormal(0, 0), szMin(0, 0), szMax(0, 0);
        pManager->GetItemMetrics(&szNormal, &szMin, &szMax);
        if (m_nLayout == xtpTabLayoutFixed) {
            nResult = ClampTabLength(szNormal.cx, szMin.cx, szMax.cx);
        } else if (m_nLayout == xtpTabLayoutCompressed) {
            int nLength = nIconExtent + 8;
            if (pItem->IsSelected()) {
                int nWidest = 0;
                for (int i = 0; i < pManager->CountItems(); ++i)
                    nWidest = std::max(nWidest, MeasureLabelWidth(pDC, pManager->GetItemCaption(pManager->ItemAtIndex(i)),
                                                                  DT_NOCLIP | (m_bNoPrefix ? DT_NOPREFIX : 0)));
                nLength = nWidest + nIconExtent + 12;
            }
            nResult = ClampTabLength(nLength, szMin.cx, szMax.cx);
        } else {
            const int nText = MeasureLabelWidth(pDC, strCaption, DT_NOCLIP | (m_bNoPrefix ? DT_NOPREFIX : 0));
            nResult = ClampTabLength(nText + nIconExtent + 12, szMin.cx, szMax.cx);
        }
        pDC->SelectObject(pOldFont);
        return nResult;
    }

    m_pColorSet->ApplyTextColor(pDC, pItem);
    const int nPosition = pManager->GetPosition();
    CRect rc = rcItem;
    if (!bVertical) {
        rc.left += m_rcButtonMargin.left + 6;
        if (nPosition == xtpTabPositionBottom)
            rc.DeflateRect(0, m_rcButtonMargin.bottom, 0, m_rcButtonMargin.top);
        else
            rc.DeflateRect(0, m_rcButtonMargin.top, 0, m_rcButtonMargin.bottom);
        if (bIcon && rc.Width() >= szIcon.cx) {
            pManager->DrawIcon(pDC, CPoint(rc.left - 1, rc.CenterPoint().y - szIcon.cy / 2), pItem, TRUE, szIcon);
            rc.left += szIcon.cx + 2;
        }
        if (rc.left < rc.right && bShowText) {
            rc.right -= m_rcButtonMargin.right + 2;
            const UINT nFormat = LabelFlags(m_bNoPrefix);
            if (m_bOwnEllipsis)
                DrawMiddleEllipsisText(pDC, strCaption, rc, nFormat);
            else
                pDC->DrawText(strCaption, rc, nFormat | DT_END_ELLIPSIS);
        }
    } else {
        rc.top += m_rcButtonMargin.left + 6;
        if (nPosition == xtpTabPositionRight)
            rc.DeflateRect(m_rcButtonMargin.bottom, 0, m_rcButtonMargin.top, 0);
        else
            rc.DeflateRect(m_rcButtonMargin.top, 0, m_rcButtonMargin.bottom, 0);
        if (bIcon && rc.Height() >= szIcon.cy) {
            pManager->DrawIcon(pDC, CPoint(rc.CenterPoint().x - szIcon.cx / 2, rc.top - 1), pItem, TRUE, szIcon);
            rc.top += szIcon.cy + 2;
        }
        if (rc.top + 8 < rc.bottom && bShowText) {
            rc.bottom -= m_rcButtonMargin.right + 2;
            CString strText = strCaption;
            if (!m_bNoPrefix)
                StripMnemonics(strText);
            TEXTMETRICW tm{};
            ::GetTextMetricsW(pDC->GetSafeHdc(), &tm);
            // The font turns the text clockwise: it runs down from its origin
            // and its glyphs stand to the left of it.
            const int x = rc.CenterPoint().x + tm.tmHeight / 2 + (nPosition == xtpTabPositionRight ? 1 : 0);
            CRect rcText(x, rc.top, x + rc.Height(), rc.top + tm.tmHeight);
            pDC->DrawText(strText, rcText,
                          DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX | (m_bOwnEllipsis ? 0 : DT_END_ELLIPSIS));
        }
    }
    if (pItem->IsSelected() && pManager->HasFocusCue())
        DrawTabFocus(pDC, pItem, rcItem);
    pDC->SelectObject(pOldFont);
    return 0;
}

void CXTPTabPaintManager::ReloadMetrics()
{
    if (m_bUseSystemFont) {
        LOGFONTW lf{};
        ::SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0);
        BuildTabFonts(lf, TRUE);
    }
    m_pColorSet->ReloadMetrics();
    m_pAppearanceSet->RefreshMetrics();
    RedrawObservers();
}

void CXTPTabPaintManager::RedrawObservers()
{
    for (CXTPTabManager* pManager : m_observers)
        pManager->RequestReposition();
}

void CXTPTabPaintManager::DrawTabFocus(CDC* pDC, CXTPTabManagerItem* /*pItem*/, CRect rcItem)
{
    if (!m_bShowFocus)
        return;
    rcItem.DeflateRect(3, 3);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->SetBkColor(RGB(255, 255, 255));
    pDC->DrawFocusRect(rcItem);
}

void CXTPTabPaintManager::DrawTabRow(CXTPTabManager* pManager, CDC* pDC, int nRow)
{
    const CXTPTabRowTable::Row& row = pManager->GetRows().GetAt(nRow);
    CRect rcClip;
    pDC->GetClipBox(rcClip);
    CXTPTabManagerItem* pSelected = pManager->CurrentSelection();
    auto drawItem = [&](CXTPTabManagerItem* pItem) {
        CRect rcTouch;
        if (pItem && pItem != pSelected && pItem->IsVisible() && rcTouch.IntersectRect(rcClip, pItem->GetRect()))
            m_pAppearanceSet->DrawSingleItem(pDC, pItem);
    };
    const int nSelected = pSelected ? pSelected->GetIndex() : -1;
    const BOOL bSelectedInRow = nSelected >= row.nFirst && nSelected <= row.nLast;
    if (m_pAppearanceSet->m_bOverlapTowardSelected) {
        // Forward up to the selected tab (the whole row when it lies elsewhere), then back to it.
        const int nTurn = bSelectedInRow ? nSelected : row.nLast + 1;
        for (int i = row.nFirst; i < nTurn; ++i)
            drawItem(pManager->ItemAtIndex(i));
        for (int i = row.nLast; i > nTurn; --i)
            drawItem(pManager->ItemAtIndex(i));
    } else {
        for (int i = row.nLast; i >= row.nFirst; --i)
            drawItem(pManager->ItemAtIndex(i));
    }
    if (bSelectedInRow && pSelected->IsVisible())
        m_pAppearanceSet->DrawSingleItem(pDC, pSelected);
}

void CXTPTabPaintManager::DrawFrameAndRows(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    if (pManager->IsDrawStaticFrame()) {
        pDC->Draw3dRect(rcControl, m_pColorSet->m_clrFrameBorder, m_pColorSet->m_clrFrameHighlight);
        rcControl.DeflateRect(1, 1);
        pDC->Draw3dRect(rcControl, m_pColorSet->FrameDarkEdge(), m_pColorSet->m_clrClientFace);
        rcControl.DeflateRect(1, 1);
    }
    if (m_bFillClient)
        pDC->FillSolidRect(rcControl, m_pColorSet->m_clrClientFace);
    const int nPosition = pManager->GetPosition();
    rcControl.DeflateRect(CXTPTabAppearanceSet::TurnMargins(m_rcControlMargin, nPosition));
    pDC->SetBkMode(TRANSPARENT);

    CRect rcHeader = m_pAppearanceSet->DrawHeaderAndFrame(pManager, pDC, rcControl);
    for (int i = pManager->CountNavigateButtons() - 1; i >= 0; --i) {
        const CRect& rcButton = pManager->GetNavigateButton(i)->GetRect();
        if (rcButton.IsRectEmpty())
            continue;
        if (CXTPTabAppearanceSet::IsVertical(nPosition))
            rcHeader.bottom = std::min(rcHeader.bottom, rcButton.top);
        else
            rcHeader.right = std::min(rcHeader.right, rcButton.left);
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rcHeader);
    for (int nRow = pManager->GetRows().GetCount() - 1; nRow >= 0; --nRow)
        DrawTabRow(pManager, pDC, nRow);
    pDC->RestoreDC(nSaved);
    pManager->DrawNavigateButtons(pDC);
}

int CXTPTabPaintManager::ArrangeTabRows(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    CXTPTabAppearanceSet* pSet = m_pAppearanceSet.get();
    const int nPosition = pManager->GetPosition();
    const BOOL bVertical = CXTPTabAppearanceSet::IsVertical(nPosition);
    rcControl.DeflateRect(CXTPTabAppearanceSet::TurnMargins(m_rcControlMargin, nPosition));
    const int nCount = pManager->CountItems();
    const int nRowHeight = pSet->GetRowHeight(pManager);

    for (int i = 0; i < nCount; ++i) {
        CXTPTabManagerItem* pItem = pManager->ItemAtIndex(i);
        const int nLength = pItem->IsVisible() ? pSet->GetItemLength(pDC, pItem) : 0;
        pItem->SetWantedLength(nLength);
        pItem->SetLength(m_nLayout == xtpTabLayoutRotated && pItem->IsVisible() ? nRowHeight : nLength);
        pItem->SetRow(0);
    }
    pManager->GetRows().SetCount(1, nCount);

    const CRect rcMargin = pSet->GetHeaderMargin();
    CRect rcHeader = pSet->GetHeaderRect(rcControl, pManager);
    CRect rcRoom = rcHeader;
    pManager->AdjustNavigateButtons(rcRoom);
    const int nAvailable = (bVertical ? rcRoom.Height() : rcRoom.Width()) - rcMargin.left - rcMargin.right;

    int nRows = 1;
    if (m_nLayout == xtpTabLayoutMultiRow) {
        nRows = DistributeTabsOverRows(pManager, nAvailable);
        rcHeader = pSet->GetHeaderRect(rcControl, pManager);
    } else if (m_nLayout == xtpTabLayoutSizeToFit) {
        ShrinkTabsToFit(pManager, nAvailable);
    }
    pManager->SetHeaderRect(rcHeader);

    const int nAcross = m_nLayout == xtpTabLayoutRotated
                            ? (bVertical ? rcHeader.Width() : rcHeader.Height()) - rcMargin.top - rcMargin.bottom
                            : nRowHeight;
    const BOOL bScrolls = m_nLayout == xtpTabLayoutAutoSize || m_nLayout == xtpTabLayoutRotated;
    const int nAlongStart = (bVertical ? rcHeader.top : rcHeader.left) + rcMargin.left +
                            (bScrolls ? pManager->GetScrollOffset() : 0);
    int nTotal = 0;
    for (int nRow = 0; nRow < nRows; ++nRow) {
        const CXTPTabRowTable::Row& row = pManager->GetRows().GetAt(nRow);
        if (nRows > 1 && m_bFillRows) {
            int nFree = nAvailable;
            int nTabs = 0;
            for (int i = row.nFirst; i <= row.nLast; ++i) {
                nFree -= pManager->ItemAtIndex(i)->GetLength();
                nTabs += pManager->ItemAtIndex(i)->IsVisible() ? 1 : 0;
            }
            for (int i = row.nFirst; i <= row.nLast && nFree > 0 && nTabs > 0; ++i) {
                CXTPTabManagerItem* pItem = pManager->ItemAtIndex(i);
                if (!pItem->IsVisible())
                    continue;
                const int nGrow = nFree / nTabs--;
                pItem->SetLength(pItem->GetLength() + nGrow);
                nFree -= nGrow;
            }
        }
        // Rows are stacked away from the client area; the outer edge of row 0
        // lies on the header margin's client side.
        const int nOffset = nRow * (nRowHeight + pSet->m_nRowOverlap);
        int nAcrossStart = 0;
        switch (nPosition) {
        case xtpTabPositionTop: nAcrossStart = rcHeader.bottom - rcMargin.bottom - nAcross - nOffset; break;
        case xtpTabPositionBottom: nAcrossStart = rcHeader.top + rcMargin.bottom + nOffset; break;
        case xtpTabPositionLeft: nAcrossStart = rcHeader.right - rcMargin.bottom - nAcross - nOffset; break;
        default: nAcrossStart = rcHeader.left + rcMargin.bottom + nOffset; break;
        }
        int nAlong = nAlongStart;
        for (int i = row.nFirst; i <= row.nLast; ++i) {
            CXTPTabManagerItem* pItem = pManager->ItemAtIndex(i);
            pItem->SetRow(nRow);
            if (!pItem->IsVisible()) {
                pItem->SetRect(CRect(0, 0, 0, 0));
                continue;
            }
            const int nLength = pItem->GetLength();
            pItem->SetRect(bVertical ? CRect(nAcrossStart, nAlong, nAcrossStart + nAcross, nAlong + nLength)
                                     : CRect(nAlong, nAcrossStart, nAlong + nLength, nAcrossStart + nAcross));
            nAlong += nLength;
        }
        nTotal = std::max(nTotal, nAlong - nAlongStart);
    }
    return nTotal;
}

int CXTPTabPaintManager::DistributeTabsOverRows(CXTPTabManager* pManager, int nAvailable)
{
    using Row = CXTPTabRowTable::Row;
    const int nCount = pManager->CountItems();
    auto lengthOf = [&](int i) { return pManager->ItemAtIndex(i)->GetLength(); };
    int nTotal = 0;
    for (int i = 0; i < nCount; ++i)
        nTotal += lengthOf(i);

    // Tabs one after the other; a tab that would overflow a non-empty row
    // starts the next one. nRowsWanted > 0 caps each row at an even share of
    // what is left, the last row taking the rest.
    auto fill = [&](int nRowsWanted) {
        std::vector<Row> rows{Row{0, -1}};
        int nRowLength = 0;
        int nRemaining = nTotal;
        for (int i = 0; i < nCount; ++i) {
            int nCapacity = nAvailable;
            if (nRowsWanted > 0) {
                const int nRowsLeft = nRowsWanted - static_cast<int>(rows.size()) + 1;
                nCapacity = nRowsLeft > 1 ? std::min(nAvailable, nRemaining / nRowsLeft) : INT_MAX;
            }
            if (nRowLength > 0 && nRowLength + lengthOf(i) > nCapacity) {
                nRemaining -= nRowLength;
                rows.push_back(Row{i, i - 1});
                nRowLength = 0;
            }
            rows.back().nLast = i;
            nRowLength += lengthOf(i);
        }
        return rows;
    };
    auto fits = [&](const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            int nLength = 0;
            for (int i = row.nFirst; i <= row.nLast; ++i)
                nLength += lengthOf(i);
            if (nLength > nAvailable && row.nFirst != row.nLast)
                return FALSE;
        }
        return TRUE;
    };

    std::vector<Row> rows = fill(0);
    if (rows.size() > 1 && m_bFillRows) {
        std::vector<Row> even = fill(static_cast<int>(rows.size()));
        if (even.size() == rows.size() && fits(even))
            rows = even;
    }
    if (rows.size() > 1 && !m_bKeepRowOrder && pManager->CurrentSelection()) {
        // The selected tab's row goes next to the client area.
        const int nSelected = pManager->CurrentSelection()->GetIndex();
        for (Row& row : rows)
            if (nSelected >= row.nFirst && nSelected <= row.nLast) {
                std::swap(rows[0], row);
                break;
            }
    }

    CXTPTabRowTable& table = pManager->GetRows();
    table.SetCount(static_cast<int>(rows.size()), nCount);
    for (size_t r = 0; r < rows.size(); ++r)
        table.GetAt(static_cast<int>(r)) = rows[r];
    return static_cast<int>(rows.size());
}

void CXTPTabPaintManager::ShrinkTabsToFit(CXTPTabManager* pManager, int nAvailable)
{
    std::vector<CXTPTabManagerItem*> items;
    int nTotal = 0;
    for (int i = 0; i < pManager->CountItems(); ++i) {
        CXTPTabManagerItem* pItem = pManager->ItemAtIndex(i);
        if (pItem->IsVisible()) {
            items.push_back(pItem);
            nTotal += pItem->GetLength();
        }
    }
    if (nTotal <= nAvailable || items.empty())
        return;
    if (items.size() == 1) {
        items[0]->SetLength(nAvailable);
        return;
    }
    std::stable_sort(items.begin(), items.end(),
                     [](CXTPTabManagerItem* a, CXTPTabManagerItem* b) { return a->GetLength() > b->GetLength(); });
    int nExcess = nTotal - nAvailable;
    size_t nGroup = 1;
    while (nGroup < items.size() && items[nGroup]->GetLength() == items[0]->GetLength())
        ++nGroup;
    // Cut the longest tabs down to the next length while that does not use up the excess.
    while (nGroup < items.size()) {
        const int nCurrent = items[0]->GetLength();
        const int nNext = items[nGroup]->GetLength();
        const int nCut = (nCurrent - nNext) * static_cast<int>(nGroup);
        if (nCut >= nExcess)
            break;
        nExcess -= nCut;
        for (size_t i = 0; i < nGroup; ++i)
            items[i]->SetLength(nNext);
        while (nGroup < items.size() && items[nGroup]->GetLength() == nNext)
            ++nGroup;
    }
    if (nGroup == items.size()) {
        for (CXTPTabManagerItem* pItem : items)
            pItem->SetLength(nAvailable / static_cast<int>(items.size()));
        return;
    }
    const int nShare = nExcess / static_cast<int>(nGroup);
    for (size_t i = 0; i < nGroup; ++i)
        items[i]->SetLength(items[i]->GetLength() - nShare);
}

void CXTPTabPaintManager::ScrollTabIntoView(CXTPTabManager* pManager, CXTPTabManagerItem* pItem)
{
    if (!pItem || m_nLayout != xtpTabLayoutAutoSize)
        return;
    const BOOL bVertical = CXTPTabAppearanceSet::IsVertical(pManager->GetPosition());
    const CRect& rcHeader = pManager->GetHeaderRect();
    int nVisibleStart = bVertical ? rcHeader.top : rcHeader.left;
    int nVisibleEnd = bVertical ? rcHeader.bottom : rcHeader.right;
    for (int i = 0; i < pManager->CountNavigateButtons(); ++i) {
        const CRect& rcButton = pManager->GetNavigateButton(i)->GetRect();
        if (!rcButton.IsRectEmpty())
            nVisibleEnd = std::min(nVisibleEnd, static_cast<int>(bVertical ? rcButton.top : rcButton.left));
    }
    const CRect& rcItem = pItem->GetRect();
    const int nItemStart = bVertical ? rcItem.top : rcItem.left;
    const int nItemEnd = bVertical ? rcItem.bottom : rcItem.right;
    int nOffset = pManager->GetScrollOffset();
    if (nItemStart < nVisibleStart)
        nOffset += nVisibleStart - nItemStart + m_pAppearanceSet->GetHeaderMargin().left;
    else if (nItemEnd > nVisibleEnd)
        nOffset -= nItemEnd - nVisibleEnd;
    pManager->ScrollHeaderTo(nOffset);
}

int CXTPTabPaintManager::MeasureLabelWidth(CDC* pDC, const CString& strText, UINT nFormat)
{
    CString strMeasured = strText;
    if (!(nFormat & DT_NOPREFIX))
        StripMnemonics(strMeasured);
    if (strMeasured.IsEmpty())
        return 0;
    CRect rc(0, 0, 0, 0);
    pDC->DrawText(strMeasured, rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | (nFormat & DT_NOCLIP));
    return rc.Width();
}

void CXTPTabPaintManager::DrawMiddleEllipsisText(CDC* pDC, const CString& strText, CRect rc, UINT nFormat)
{
    if (strText.Find(L'\\') >= 0) {
        // Paths keep their start and their last part.
        CString strPath = strText;
        pDC->DrawText(strPath, rc, nFormat | DT_PATH_ELLIPSIS);
        return;
    }
    const int nWidth = rc.Width();
    const int nFull = MeasureLabelWidth(pDC, strText, nFormat);
    if (nFull <= nWidth) {
        pDC->DrawText(strText, rc, nFormat);
        return;
    }
    const CString strDots = L"...";
    const int nDots = MeasureLabelWidth(pDC, strDots, nFormat | DT_NOPREFIX);
    if (nDots >= nWidth) {
        pDC->DrawText(strDots, rc, nFormat | DT_NOPREFIX);
        return;
    }
    const int nRoom = nWidth - nDots;
    const int nLength = strText.GetLength();
    auto cut = [&](int nKeep, CString& strFirst, CString& strLast) {
        nKeep = std::clamp(nKeep, 0, nLength);
        strFirst = strText.Left(nKeep - nKeep / 2);
        strLast = strText.Right(nKeep / 2);
        return MeasureLabelWidth(pDC, strFirst, nFormat) + MeasureLabelWidth(pDC, strLast, nFormat);
    };
    int nKeep = static_cast<int>(static_cast<long long>(nRoom) * nLength / std::max(1, nFull));
    CString strFirst, strLast;
    while (nKeep < nLength && cut(nKeep, strFirst, strLast) < nRoom)
        ++nKeep;
    while (nKeep > 0 && cut(nKeep, strFirst, strLast) > nRoom)
        --nKeep;
    cut(nKeep, strFirst, strLast);
    pDC->DrawText(strFirst + strDots + strLast, rc, nFormat);
}

int CXTPTabPaintManager::ClampTabLength(int nLength, int nMinimum, int nMaximum) const
{
    nLength += m_rcButtonMargin.left + m_rcButtonMargin.right;
    if (nMinimum > 0)
        nLength = std::max(nLength, nMinimum);
    if (nMaximum > 0)
        nLength = std::min(nLength, nMaximum);
    return nLength;
}
