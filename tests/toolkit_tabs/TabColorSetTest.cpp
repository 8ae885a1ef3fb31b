// The tab colour sets: text colours by state, the visual-style set without
// visual styles, the automatic tab colours, style 7's plain fills and the
// scheme set's fixed colours.
#include <gtest/gtest.h>

#include <vector>

#include "CWnd.h"
#include "CXTPColorManager.h"
#include "CXTPTabColorSetScheme.h"
#include "TabManagerHost.h"
#include "ThemedRun.h"

namespace {

void AddBlankTabs(TabManagerHost& host, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        host.InsertItem(host.CountItems())->SetCaption(L"          ");
}

std::vector<COLORREF> Pixels(const MemoryCanvas& canvas)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            pixels.push_back(canvas.At(x, y));
    return pixels;
}

// Puts the colour manager's chosen scheme back when a test is done with it.
class SchemeChoice {
public:
    explicit SchemeChoice(ColorSchemeKind scheme)
    {
        GetColorManager()->SetTheme(scheme);
        GetColorManager()->RefreshColors();
    }
    ~SchemeChoice()
    {
        GetColorManager()->SetTheme(xtpColorSchemeSystem);
        GetColorManager()->RefreshColors();
    }
};

} // namespace

TEST(TabColorSet, TextColourFollowsTheTabsStateAndTheManagersActivity)
{
    TabManagerHost host(300, 60);
    AddBlankTabs(host, 4);
    host.SetCurSel(0);
    host.PerformMouseMove(nullptr, host.ItemAtIndex(1)->GetRect().CenterPoint());
    host.ItemAtIndex(3)->SetEnabled(FALSE);
    CXTPTabColorSet* pColors = host.GetPaintManager()->GetColorSet();
    pColors->m_clrNormalText.SetCustomValue(RGB(1, 0, 0));
    pColors->m_clrSelectedText.SetCustomValue(RGB(2, 0, 0));
    pColors->m_clrHotText.SetCustomValue(RGB(3, 0, 0));
    pColors->m_clrDisabledText.SetCustomValue(RGB(4, 0, 0));
    pColors->m_clrInactiveText.SetCustomValue(RGB(5, 0, 0));
    ASSERT_TRUE(host.ItemAtIndex(1)->IsHighlighted());

    // Tab: selected 0, hot 1, normal 2, disabled 3; active, then not.
    const COLORREF expected[2][4] = {{RGB(2, 0, 0), RGB(3, 0, 0), RGB(1, 0, 0), RGB(4, 0, 0)},
                                     {RGB(5, 0, 0), RGB(5, 0, 0), RGB(5, 0, 0), RGB(4, 0, 0)}};
    for (int nActive = 0; nActive < 2; ++nActive) {
        host.SetActive(nActive == 0);
        for (int i = 0; i < 4; ++i) {
            pColors->ApplyTextColor(&host.Canvas().dc(), host.ItemAtIndex(i));
            EXPECT_EQ(expected[nActive][i], host.Canvas().dc().GetTextColor()) << nActive << " tab " << i;
        }
    }
}

TEST(TabColorSet, TheVisualStyleSetDrawsLikeThePlainSetWithoutVisualStyles)
{
    for (int nStyle : {0, 1, 4, 8}) {
        for (int nPosition : {0, 2}) {
            std::vector<COLORREF> painted[2];
            BOOL bThemed = FALSE;
            for (int nType : {1, 8}) {
                TabManagerHost host(300, 80);
                CXTPTabPaintManager* pPaint = host.GetPaintManager();
                pPaint->SetAppearance(nStyle);
                pPaint->SetPositionOption(nPosition);
                pPaint->SelectColorSetType(nType);
                AddBlankTabs(host, 3);
                host.SetCurSel(1);
                host.Reposition();
                host.Paint();
                painted[nType == 8] = Pixels(host.Canvas());
                if (nType == 8)
                    bThemed = pPaint->GetColorSet()->IsSystemThemed();
            }
            if (CurrentRunStyle() == RunStyle::Off) {
                EXPECT_FALSE(bThemed);
            }
            if (!bThemed) {
                EXPECT_TRUE(painted[0] == painted[1]) << "style " << nStyle << " position " << nPosition;
            } else if (nStyle <= 1) {
                // The visual style draws the tabs of the property-page styles.
                EXPECT_FALSE(painted[0] == painted[1]) << "style " << nStyle << " position " << nPosition;
            }
        }
    }
}

TEST(TabColorSet, WithAnOwnerTabsTakeTheirOwnColoursFromThePalette)
{
    EXPECT_EQ(0x9F9EF0u, PaletteTabColor(0x1000003));
    EXPECT_EQ(0xE4A88Au, PaletteTabColor(0x1000000));
    EXPECT_EQ(0xC0ABD8u, PaletteTabColor(0x1000007));
    EXPECT_EQ(0x1000008u, PaletteTabColor(0x1000008));
    EXPECT_EQ(0x123456u, PaletteTabColor(0x123456));

    TabManagerHost host(400, 60);
    CXTPTabPaintManager* pPaint = host.GetPaintManager();
    pPaint->SetAppearance(6);
    CWnd owner;
    pPaint->SetOwner(&owner);
    AddBlankTabs(host, 5);
    host.ItemAtIndex(4)->SetColor(RGB(10, 200, 30));
    host.SetCurSel(0);
    host.Reposition();
    host.Paint();
    const COLORREF expected[] = {0xE4A88A, 0x75DBFF, 0x9FCDBD, 0x9F9EF0, RGB(10, 200, 30)};
    for (int i = 0; i < 5; ++i) {
        const CPoint pt = host.ItemAtIndex(i)->GetRect().CenterPoint();
        EXPECT_EQ(expected[i], host.Canvas().At(pt.x, pt.y)) << "tab " << i;
    }
    pPaint->SetOwner(nullptr);
}

TEST(TabColorSet, ThePlainSetUnderStyleSevenFillsTheSelectedTabWithButtonFaceAndTheOthersWithWindow)
{
    for (int nPosition : {0, 2}) {
        TabManagerHost host(300, 60);
        CXTPTabPaintManager* pPaint = host.GetPaintManager();
        pPaint->SetAppearance(7);
        pPaint->SelectColorSetType(1);
        pPaint->SetPositionOption(nPosition);
        AddBlankTabs(host, 3);
        host.SetCurSel(1);
        host.Reposition();
        host.Paint();
        const COLORREF clrFace = GetColorManager()->GetColor(COLOR_BTNFACE);
        const COLORREF clrWindow = GetColorManager()->GetColor(COLOR_WINDOW);
        ASSERT_NE(clrFace, clrWindow);
        EXPECT_EQ(clrFace, COLORREF(pPaint->GetColorSet()->m_clrSelectedTabFace));
        EXPECT_EQ(GetColorManager()->GetColor(COLOR_BTNTEXT), COLORREF(pPaint->GetColorSet()->m_clrFrameBorder));
        for (int i = 0; i < 3; ++i) {
            const CPoint pt = host.ItemAtIndex(i)->GetRect().CenterPoint();
            EXPECT_EQ(i == 1 ? clrFace : clrWindow, host.Canvas().At(pt.x, pt.y)) << nPosition << " tab " << i;
        }
    }
}

TEST(TabColorSet, TheSchemeSetTakesTheFixedColoursOfTheSchemeUnlessSchemeColoursAreOff)
{
    struct Case {
        ColorSchemeKind scheme;
        COLORREF clrFrame, clrNormalFace, clrSelectedBorder;
    };
    const Case cases[] = {
        {xtpColorSchemeBlue, 0x9C613B, 0xF6C0A2, 0x800000},
        {xtpColorSchemeOlive, 0x588060, 0xAADED0, 0x385D3F},
        {xtpColorSchemeSilver, 0x947C7C, 0xE6D9D9, 0x6F4B4B},
    };
    for (const Case& c : cases) {
        SchemeChoice choice(c.scheme);
        ASSERT_EQ(c.scheme, GetColorManager()->GetCurrentTheme());
        CXTPTabPaintManager* pPaint = new CXTPTabPaintManager;
        pPaint->SetAppearance(3);
        auto* pScheme = dynamic_cast<CXTPTabColorSetScheme*>(pPaint->GetColorSet());
        ASSERT_NE(nullptr, pScheme);
        EXPECT_TRUE(pScheme->IsSchemeColored());
        EXPECT_EQ(c.clrFrame, COLORREF(pScheme->m_clrFrameBorder));
        EXPECT_EQ(c.clrNormalFace, COLORREF(pScheme->m_clrNormalTabFace));
        EXPECT_EQ(c.clrSelectedBorder, COLORREF(pScheme->m_clrSelectedBorder.clrStart));
        EXPECT_EQ(0x6FC0FFu, COLORREF(pScheme->m_clrSelectedFill.clrStart));
        EXPECT_EQ(c.clrFrame, COLORREF(pScheme->m_selectedBlock[CXTPTabColorSet::edgeOuterRight]));
        EXPECT_EQ(COLORREF(-1), COLORREF(pScheme->m_normalBlock[CXTPTabColorSet::edgeInnerBottom]));

        pPaint->SetNoSchemeColors(TRUE);
        EXPECT_FALSE(pScheme->IsSchemeColored());
        EXPECT_EQ(GetColorManager()->GetColor(COLOR_BTNSHADOW), COLORREF(pScheme->m_clrFrameBorder));
        EXPECT_EQ(GetColorManager()->GetColor(36), COLORREF(pScheme->m_clrSelectedTabFace));
        pPaint->InternalRelease();
    }
}
