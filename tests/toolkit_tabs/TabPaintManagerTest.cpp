// The tab paint manager: appearance styles and the colour sets they bring,
// fonts, the middle ellipsis, rows and the compressed layout.
#include <gtest/gtest.h>

#include "CXTPTabColorSetPlain.h"
#include "CXTPTabColorSetScheme.h"
#include "CXTPTabColorSetSchemeFlat.h"
#include "CXTPTabColorSetThemed.h"
#include "CXTPTabColorSetTinted.h"
#include "TabManagerHost.h"
#include "TextRecordingDC.h"

#include <vector>

namespace {

// The type number of a colour set's class.
int KindOf(CXTPTabColorSet* pSet)
{
    if (dynamic_cast<CXTPTabColorSetSchemeFlat*>(pSet))
        return 16;
    if (dynamic_cast<CXTPTabColorSetScheme*>(pSet))
        return 4;
    if (dynamic_cast<CXTPTabColorSetThemed*>(pSet))
        return 8;
    if (dynamic_cast<CXTPTabColorSetTinted*>(pSet))
        return 2;
    return dynamic_cast<CXTPTabColorSetPlain*>(pSet) ? 1 : 0;
}

LOGFONTW LogFontOf(CFont& font)
{
    LOGFONTW lf{};
    ::GetObjectW(font.GetSafeHandle(), sizeof(lf), &lf);
    return lf;
}

int TextWidth(CDC& dc, CFont& font, const CString& strText)
{
    CFont* pOld = dc.SelectObject(&font);
    CRect rc(0, 0, 0, 0);
    dc.DrawText(strText, rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(pOld);
    return rc.Width();
}

} // namespace

TEST(TabPaintManager, EachStyleBringsItsMarginsOverlapAndDefaultColourSet)
{
    // Extra left / right header margin: 0 none, 1 the row height, 2 half of it.
    struct Case {
        int nStyle, nExpected, nColorSet, nMask;
        CRect rcMargin;
        int nOverlap, nLeftExtra, nRightExtra;
    };
    const Case cases[] = {
        {-1, 0, 1, 13, {2, 3, 6, 0}, -2, 0, 0}, {0, 0, 1, 13, {2, 3, 6, 0}, -2, 0, 0},
        {1, 1, 1, 13, {2, 3, 6, 0}, -2, 0, 0},  {2, 2, 1, 7, {2, 2, 4, 0}, -2, 0, 0},
        {3, 3, 4, 21, {2, 3, 6, 0}, -2, 1, 0},  {4, 4, 2, 31, {2, 2, 4, 2}, 0, 0, 0},
        {5, 5, 2, 7, {4, 2, 4, 0}, -2, 0, 0},   {6, 6, 2, 7, {2, 2, 4, 0}, -2, 0, 0},
        {7, 7, 2, 7, {2, 3, 2, 0}, -2, 2, 2},   {8, 8, 1, 5, {0, 0, 0, 0}, -2, 0, 0},
        {9, 9, 4, 21, {2, 3, 6, 0}, -2, 2, 0},  {11, 0, 1, 13, {2, 3, 6, 0}, -2, 0, 0},
    };
    CXTPTabPaintManager* pPaint = new CXTPTabPaintManager;
    for (const Case& c : cases) {
        CXTPTabAppearanceSet* pSet = pPaint->SetAppearance(c.nStyle);
        ASSERT_EQ(pSet, pPaint->GetAppearanceSet());
        EXPECT_EQ(c.nExpected, pSet->GetStyle()) << c.nStyle;
        EXPECT_EQ(c.nExpected, pPaint->CurrentAppearanceStyle()) << c.nStyle;
        EXPECT_EQ(pPaint, pSet->GetPaintManager());
        EXPECT_EQ(c.nColorSet, KindOf(pPaint->GetColorSet())) << c.nStyle;
        EXPECT_EQ(pPaint, pPaint->GetColorSet()->GetPaintManager());
        EXPECT_EQ(c.nMask, pSet->GetColorSetMask()) << c.nStyle;
        EXPECT_EQ(c.nColorSet & c.nMask, c.nColorSet) << "the default kind suits the style " << c.nStyle;
        EXPECT_EQ(c.nOverlap, pSet->m_nRowOverlap) << c.nStyle;
        const int h = pSet->m_nRowHeight;
        const int extra[] = {0, h, h / 2};
        CRect rcExpected = c.rcMargin;
        rcExpected.left += extra[c.nLeftExtra];
        rcExpected.right += extra[c.nRightExtra];
        EXPECT_EQ(rcExpected, pSet->GetHeaderMargin()) << c.nStyle;
    }
    // Without a set the installed one stays.
    CXTPTabColorSet* pInstalled = pPaint->GetColorSet();
    pPaint->SetColorSet(nullptr);
    EXPECT_EQ(pInstalled, pPaint->GetColorSet());
    // Colour-set types outside the five give the plain set.
    const int types[][2] = {{1, 1}, {2, 2}, {4, 4}, {8, 8}, {16, 16}, {3, 1}, {0, 1}, {32, 1}};
    for (const auto& t : types) {
        EXPECT_EQ(t[1], KindOf(pPaint->SelectColorSetType(t[0]))) << t[0];
        EXPECT_EQ(t[0], pPaint->GetColorSetType());
    }
    pPaint->InternalRelease();
}

TEST(TabPaintManager, SmallVerticalFontsAreRaisedToElevenPixelsAndTurned)
{
    const LONG heights[][2] = {{-8, -11}, {-1, -11}, {-10, -11}, {-11, -11}, {-14, -14}, {0, 0}, {12, 12}};
    CXTPTabPaintManager* pPaint = new CXTPTabPaintManager;
    for (BOOL bBoldAll : {FALSE, TRUE}) {
        pPaint->m_bBoldAll = bBoldAll;
        for (const auto& h : heights) {
            LOGFONTW lf{};
            lf.lfHeight = h[0];
            lstrcpyW(lf.lfFaceName, L"Tahoma");
            pPaint->BuildTabFonts(lf, FALSE);
            EXPECT_FALSE(pPaint->m_bUseSystemFont);
            const LOGFONTW normal = LogFontOf(pPaint->NormalFont());
            const LOGFONTW bold = LogFontOf(pPaint->BoldFont());
            const LOGFONTW vertical = LogFontOf(pPaint->VerticalNormalFont());
            const LOGFONTW verticalBold = LogFontOf(pPaint->VerticalBoldFont());
            EXPECT_EQ(h[0], normal.lfHeight);
            EXPECT_EQ(bBoldAll ? FW_BOLD : FW_NORMAL, normal.lfWeight);
            EXPECT_EQ(FW_BOLD, bold.lfWeight);
            EXPECT_EQ(h[1], vertical.lfHeight) << h[0];
            EXPECT_EQ(h[1], verticalBold.lfHeight) << h[0];
            EXPECT_EQ(2700, vertical.lfEscapement);
            EXPECT_EQ(900, vertical.lfOrientation);
            EXPECT_EQ(bBoldAll ? FW_BOLD : FW_NORMAL, vertical.lfWeight);
            EXPECT_EQ(FW_BOLD, verticalBold.lfWeight);
            EXPECT_EQ(0, normal.lfEscapement);
        }
    }
    pPaint->InternalRelease();
}

TEST(TabPaintManager, MiddleEllipsisKeepsBothEndsAndPathsUseTheSystemsPathEllipsis)
{
    TabManagerHost host(600, 60);
    CXTPTabPaintManager* pPaint = host.GetPaintManager();
    CDC& dc = host.Canvas().dc();
    CFont* pOld = dc.SelectObject(&pPaint->NormalFont());
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    const CString strLabel = L"abcdefghijklmnopqrstuvwxyz0123456789ABCD";
    ASSERT_EQ(40, strLabel.GetLength());
    const int nFull = TextWidth(dc, pPaint->NormalFont(), strLabel);

    for (int nWidth : {nFull / 2, nFull / 2 + 1, nFull / 3}) {
        TextRecordingDC rec(dc);
        pPaint->DrawMiddleEllipsisText(&rec, strLabel, CRect(0, 0, nWidth, 20), nFormat);
        ASSERT_EQ(1u, rec.m_calls.size());
        const CString& strDrawn = rec.m_calls[0].strText;
        const int nDots = strDrawn.Find(L"...");
        ASSERT_GT(nDots, 0) << nWidth;
        const CString strFirst = strDrawn.Left(nDots);
        const CString strLast = strDrawn.Mid(nDots + 3);
        EXPECT_EQ(strLabel.Left(strFirst.GetLength()), strFirst);
        EXPECT_EQ(strLabel.Right(strLast.GetLength()), strLast);
        const int nKept = strFirst.GetLength() + strLast.GetLength();
        EXPECT_EQ(nKept - nKept / 2, strFirst.GetLength()) << "the part before is the longer one";
        EXPECT_LE(TextWidth(dc, pPaint->NormalFont(), strDrawn), nWidth);
        // One more character would not have fitted.
        const CString strMore = strLabel.Left((nKept + 1) - (nKept + 1) / 2) + L"..." + strLabel.Right((nKept + 1) / 2);
        EXPECT_GT(TextWidth(dc, pPaint->NormalFont(), strMore), nWidth) << nWidth;
        EXPECT_EQ(nFormat, rec.m_calls[0].nFormat);
    }

    struct Case {
        CString strText;
        int nWidth;
        CString strExpected;
        UINT nExtraFlag;
    };
    const Case cases[] = {
        {strLabel, nFull, strLabel, 0},
        {strLabel, 3, L"...", 0},
        {L"C:\\Program Files\\Orbalin\\calendar.nsf", 60, L"C:\\Program Files\\Orbalin\\calendar.nsf", DT_PATH_ELLIPSIS},
    };
    for (const Case& c : cases) {
        TextRecordingDC rec(dc);
        pPaint->DrawMiddleEllipsisText(&rec, c.strText, CRect(0, 0, c.nWidth, 20), nFormat);
        ASSERT_EQ(1u, rec.m_calls.size());
        EXPECT_EQ(c.strExpected, rec.m_calls[0].strText);
        EXPECT_EQ(c.nExtraFlag, rec.m_calls[0].nFormat & DT_PATH_ELLIPSIS);
    }
    dc.SelectObject(pOld);
}

TEST(TabPaintManager, MultipleRowsAreFilledEvenlyAndTheSelectedRowGoesNextToTheClient)
{
    TabManagerHost host(170, 200);
    CXTPTabPaintManager* pPaint = host.GetPaintManager();
    host.AddTabs(10);
    pPaint->m_bKeepRowOrder = TRUE;
    pPaint->SetLayout(xtpTabLayoutMultiRow);
    const int nRows = host.GetRows().GetCount();
    ASSERT_GE(nRows, 3);
    CXTPTabManagerItem* pThird = host.ItemAtIndex(host.GetRows().GetAt(2).nFirst);
    host.SelectItem(pThird);
    EXPECT_EQ(2, pThird->GetRow()) << "kept in its row";

    const CRect rcHeader = host.GetHeaderRect();
    const CRect rcMargin = pPaint->GetAppearanceSet()->GetHeaderMargin();
    const int nRowHeight = pPaint->GetAppearanceSet()->GetRowHeight(&host);
    EXPECT_EQ(nRows * nRowHeight + (nRows - 1) * -2 + rcMargin.top + rcMargin.bottom, rcHeader.Height());
    for (BOOL bKeep : {TRUE, FALSE}) {
        pPaint->m_bKeepRowOrder = bKeep;
        host.Reposition();
        EXPECT_EQ(bKeep ? 2 : 0, pThird->GetRow());
        // Row 0 lies against the client area; every row spans the header.
        for (int nRow = 0; nRow < host.GetRows().GetCount(); ++nRow) {
            const CXTPTabRowTable::Row& row = host.GetRows().GetAt(nRow);
            const CRect rcFirst = host.ItemAtIndex(row.nFirst)->GetRect();
            EXPECT_EQ(rcHeader.bottom - rcMargin.bottom - nRow * (nRowHeight - 2), rcFirst.bottom) << nRow;
            EXPECT_EQ(rcHeader.left + rcMargin.left, rcFirst.left) << nRow;
            EXPECT_EQ(rcHeader.right - rcMargin.right, host.ItemAtIndex(row.nLast)->GetRect().right) << nRow;
        }
    }
    // Drawn last among the rows, the selected row is not overdrawn: its
    // caption is the last text drawn.
    TextRecordingDC rec(host.Canvas().dc());
    pPaint->PaintTabControl(&host, &rec, host.Bounds());
    ASSERT_FALSE(rec.m_calls.empty());
    EXPECT_EQ(pThird->ReadCaption(), rec.m_calls.back().strText);
}

TEST(TabPaintManager, CompressedLayoutShowsOnlyTheSelectedTabsText)
{
    TabManagerHost host(600, 60);
    CXTPTabPaintManager* pPaint = host.GetPaintManager();
    pPaint->m_rcButtonMargin = CRect(3, 0, 5, 0);
    const CString captions[] = {L"A", L"A much longer caption", L"B"};
    for (const CString& strCaption : captions)
        host.InsertItem(host.CountItems())->SetCaption(strCaption);
    host.SetCurSel(0);
    pPaint->SetLayout(xtpTabLayoutCompressed);

    const int nWidest = TextWidth(host.Canvas().dc(), pPaint->NormalFont(), captions[1]);
    EXPECT_EQ(nWidest + 12 + 8, host.ItemAtIndex(0)->GetRect().Width());
    EXPECT_EQ(8 + 8, host.ItemAtIndex(1)->GetRect().Width());
    EXPECT_EQ(8 + 8, host.ItemAtIndex(2)->GetRect().Width());

    TextRecordingDC rec(host.Canvas().dc());
    pPaint->PaintTabControl(&host, &rec, host.Bounds());
    ASSERT_EQ(1u, rec.m_calls.size());
    EXPECT_EQ(L"A", rec.m_calls[0].strText);

    // Other layouts show every caption.
    pPaint->SetLayout(xtpTabLayoutAutoSize);
    TextRecordingDC all(host.Canvas().dc());
    pPaint->PaintTabControl(&host, &all, host.Bounds());
    EXPECT_EQ(3u, all.m_calls.size());
}

TEST(TabPaintManager, TabsOfARowAreDrawnTowardTheSelectedTabWhichComesLast)
{
    // Style, selected tab, the order in which the captions are drawn.
    struct Case {
        int nStyle;
        int nSelected;
        std::vector<CString> order;
    };
    const Case cases[] = {
        {0, 2, {L"Tab 5", L"Tab 4", L"Tab 2", L"Tab 1", L"Tab 3"}},
        {9, 2, {L"Tab 1", L"Tab 2", L"Tab 5", L"Tab 4", L"Tab 3"}},
        {9, 0, {L"Tab 5", L"Tab 4", L"Tab 3", L"Tab 2", L"Tab 1"}},
        {9, 4, {L"Tab 1", L"Tab 2", L"Tab 3", L"Tab 4", L"Tab 5"}},
    };
    for (const Case& c : cases) {
        TabManagerHost host(600, 60);
        host.GetPaintManager()->SetAppearance(c.nStyle);
        host.AddTabs(5);
        host.SetCurSel(c.nSelected);
        TextRecordingDC rec(host.Canvas().dc());
        host.GetPaintManager()->PaintTabControl(&host, &rec, host.Bounds());
        std::vector<CString> drawn;
        for (const TextRecordingDC::Call& call : rec.m_calls)
            drawn.push_back(call.strText);
        EXPECT_TRUE(drawn == c.order) << "style " << c.nStyle << " selected " << c.nSelected;
    }
}
