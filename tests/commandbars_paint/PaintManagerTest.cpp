// The paint manager's own rules: the command-bar font, the colour table, the
// theme factory and the animations.
#include <gtest/gtest.h>

#include "CXTPDefaultTheme.h"
#include "MemoryCanvas.h"

namespace {

TEST(PaintManager, CommandBarFontFollowsTheMenuFontAtLeastElevenPixels)
{
    const struct {
        LONG menuHeight;
        LONG expected;
    } cases[] = {{-9, -11}, {-11, -11}, {-15, -15}, {12, 12}, {0, 0}};
    LOGFONT lfMenu{};
    lfMenu.lfWeight = FW_NORMAL;
    lfMenu.lfItalic = TRUE;
    ::lstrcpynW(lfMenu.lfFaceName, L"Tahoma", LF_FACESIZE);
    for (const auto& c : cases) {
        lfMenu.lfHeight = c.menuHeight;
        const LOGFONT lf = CXTPPaintManager::StandardFontFromMenuFont(lfMenu, 0);
        EXPECT_EQ(lf.lfHeight, c.expected) << "menu height " << c.menuHeight;
        EXPECT_EQ(lf.lfWeight, FW_NORMAL);
        EXPECT_TRUE(lf.lfItalic);
        EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
    }
}

TEST(PaintManager, TextHeightIsTheSpaceOfTheRegularFontPlusSix)
{
    CXTPPaintManager* pPaintManager = CXTPPaintManager::CreateTheme(0);
    LOGFONT lf{};
    lf.lfHeight = -20;
    ::lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
    pPaintManager->SetCommandBarsFontIndirect(&lf);
    MemoryCanvas canvas(4, 4);
    CFont* pOld = canvas.dc().SelectObject(pPaintManager->GetRegularFont());
    EXPECT_EQ(pPaintManager->GetTextHeight(), canvas.dc().GetTextExtent(L" ", 1).cy + 6);
    canvas.dc().SelectObject(pOld);
    LOGFONT lfBold{};
    pPaintManager->GetRegularBoldFont()->GetLogFont(&lfBold);
    EXPECT_EQ(lfBold.lfWeight, FW_BOLD);
    EXPECT_EQ(lfBold.lfHeight, -20);
    pPaintManager->InternalRelease();
}

TEST(PaintManager, ColorsByIndexAndNumbersOutsideTheTable)
{
    CXTPPaintManager* pPaintManager = CXTPPaintManager::CreateTheme(0);
    pPaintManager->RefreshMetrics();
    EXPECT_EQ(pPaintManager->GetColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
    const int indices[] = {61, 5};
    const COLORREF values[] = {RGB(1, 2, 3), RGB(4, 5, 6)};
    pPaintManager->SetColors(2, indices, values);
    EXPECT_EQ(pPaintManager->GetColor(61), RGB(1, 2, 3)) << "no custom value: the standard one";
    EXPECT_EQ(pPaintManager->GetColor(5), RGB(4, 5, 6));
    // Numbers outside 0 to 61 are colours themselves; nothing is read outside the table.
    for (int n : {62, 0x00123456, -1, -62})
        EXPECT_EQ(pPaintManager->GetColor(n), static_cast<COLORREF>(n)) << n;
    EXPECT_EQ(pPaintManager->GetTextColor(), pPaintManager->GetColor(COLOR_BTNTEXT));
    EXPECT_EQ(pPaintManager->GetFaceGradient().clrStart.GetColor(), pPaintManager->GetColor(COLOR_BTNFACE));
    EXPECT_EQ(pPaintManager->GetFaceGradient().clrEnd.GetColor(), pPaintManager->GetColor(COLOR_BTNSHADOW));
    pPaintManager->InternalRelease();
}

TEST(PaintManager, SetThemeMakesTheGlobalInstanceAndKeepsTheNumber)
{
    const struct {
        int nTheme;
    } cases[] = {{0}, {7}, {-3}};
    for (const auto& c : cases) {
        CXTPPaintManager* pGlobal = CXTPPaintManager::SetTheme(c.nTheme);
        ASSERT_NE(pGlobal, nullptr);
        EXPECT_EQ(CXTPPaintManager::GetGlobal(), pGlobal);
        EXPECT_NE(dynamic_cast<CXTPDefaultTheme*>(pGlobal), nullptr) << c.nTheme;
        EXPECT_EQ(pGlobal->GetTheme(), c.nTheme);
        EXPECT_EQ(pGlobal->GetThemeValue(), 0);
        EXPECT_GT(pGlobal->GetTextHeight(), 6) << "SetTheme refreshes the new instance";
    }
    CXTPPaintManager::ReleaseGlobalPaintManager();
    EXPECT_EQ(CXTPPaintManager::GetGlobal(), nullptr);
    CXTPPaintManager* pDefault = CXTPPaintManager::GetGlobalPaintManager();
    EXPECT_EQ(pDefault->GetTheme(), 0);
    EXPECT_EQ(CXTPPaintManager::GetGlobalPaintManager(), pDefault);
    CXTPPaintManager::ReleaseGlobalPaintManager();
}

TEST(PaintManager, AnimationsCopyTheSourceOnlyWithSteps)
{
    const int kinds[] = {xtpAnimateSlide, xtpAnimateUnfold, xtpAnimateFade};
    for (int nKind : kinds) {
        for (int nSteps : {0, -1, 2}) {
            SCOPED_TRACE(testing::Message() << "kind " << nKind << ", steps " << nSteps);
            CXTPPaintManager* pPaintManager = CXTPPaintManager::CreateTheme(0);
            pPaintManager->SetAnimationDelay(nSteps, 0);
            MemoryCanvas source(20, 10);
            MemoryCanvas target(20, 10);
            source.dc().FillSolidRect(0, 0, 20, 10, RGB(200, 0, 0));
            pPaintManager->Animate(&target.dc(), &source.dc(), CRect(0, 0, 20, 10), nKind);
            const int nRed = target.Count(CRect(0, 0, 20, 10), RGB(200, 0, 0));
            if (nSteps <= 0)
                EXPECT_EQ(target.Count(CRect(0, 0, 20, 10), RGB(255, 255, 255)), 200) << "nothing copied";
            else if (nKind == xtpAnimateFade)
                EXPECT_EQ(target.At(5, 5), RGB(226, 127, 127)) << "half way between white and the source";
            else
                EXPECT_EQ(nRed, 200) << "the last step shows the whole source";
            pPaintManager->InternalRelease();
        }
    }
}

} // namespace
