// The classic theme's pieces probed on 24-bit memory DCs; every expected
// colour is read from the paint manager.
#include <gtest/gtest.h>

#include "CXTPDefaultTheme.h"
#include "CXTPImageManager.h"
#include "ImageTestHelpers.h"
#include "MemoryCanvas.h"

namespace {

class DefaultTheme : public testing::Test {
protected:
    DefaultTheme() { m_pTheme->RefreshMetrics(); }
    ~DefaultTheme() override { m_pTheme->InternalRelease(); }

    COLORREF Color(int nIndex) const { return m_pTheme->GetColor(nIndex); }

    CXTPDefaultTheme* m_pTheme = static_cast<CXTPDefaultTheme*>(CXTPPaintManager::CreateTheme(0));
};

TEST_F(DefaultTheme, ButtonFramesOfEachState)
{
    enum Look { Flat, Raised, Sunken, DitheredSunken };
    const struct {
        const char* name;
        BOOL bSelected, bPressed, bEnabled, bChecked, bPopuped;
        Look look;
    } cases[] = {
        {"idle", FALSE, FALSE, TRUE, FALSE, FALSE, Flat},
        {"hovered", TRUE, FALSE, TRUE, FALSE, FALSE, Raised},
        {"pressed under the mouse", TRUE, TRUE, TRUE, FALSE, FALSE, Sunken},
        {"executed (pressed 2)", FALSE, 2, TRUE, FALSE, FALSE, Sunken},
        {"popped", FALSE, FALSE, TRUE, FALSE, TRUE, Sunken},
        {"checked, idle", FALSE, FALSE, TRUE, TRUE, FALSE, DitheredSunken},
        {"checked, hovered", TRUE, FALSE, TRUE, TRUE, FALSE, Sunken},
        {"disabled", TRUE, FALSE, FALSE, FALSE, FALSE, Flat},
        {"disabled, checked", FALSE, FALSE, FALSE, TRUE, FALSE, Sunken},
        {"disabled, keyboard-selected", 2, FALSE, FALSE, FALSE, FALSE, Sunken},
    };
    const COLORREF clrBack = RGB(255, 255, 255);
    const COLORREF clrFace = Color(COLOR_BTNFACE);
    const COLORREF clrLight = Color(COLOR_BTNHIGHLIGHT);
    const COLORREF clrShadow = Color(COLOR_BTNSHADOW);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryCanvas canvas(30, 30);
        const CRect rc(4, 4, 27, 26);
        m_pTheme->DrawButtonFrame(&canvas.dc(), rc, c.bSelected, c.bPressed, c.bEnabled, c.bChecked, c.bPopuped,
                                  TRUE, 0);
        const COLORREF topLeft = canvas.At(rc.left, rc.top + 5);
        const COLORREF bottomRight = canvas.At(rc.right - 1, rc.bottom - 5);
        switch (c.look) {
        case Flat:
            EXPECT_EQ(topLeft, clrBack);
            EXPECT_EQ(bottomRight, clrBack);
            break;
        case Raised:
            EXPECT_EQ(topLeft, clrLight);
            EXPECT_EQ(bottomRight, clrShadow);
            break;
        case Sunken:
        case DitheredSunken:
            EXPECT_EQ(topLeft, clrShadow);
            EXPECT_EQ(bottomRight, clrLight);
            break;
        }
        const CRect rcInside(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1);
        const int nInside = rcInside.Width() * rcInside.Height();
        if (c.look == DitheredSunken) {
            // Neighbours alternate between the face and the highlight.
            EXPECT_NE(canvas.At(10, 10), canvas.At(11, 10));
            EXPECT_EQ(canvas.At(10, 10), canvas.At(11, 11));
            EXPECT_EQ(canvas.Count(rcInside, clrFace) + canvas.Count(rcInside, clrLight), nInside);
            EXPECT_GT(canvas.Count(rcInside, clrFace), nInside / 3);
        } else {
            EXPECT_EQ(canvas.Count(rcInside, clrBack), nInside) << "the face is left as it was";
        }
    }
}

TEST_F(DefaultTheme, DisabledIconIsEmbossedUnlessDisabledImagesAreUsed)
{
    CXTPImageManager images;
    HICON hIcon = MakeSolidIcon(16, 16, RGB(0, 0, 200));
    ASSERT_TRUE(images.StoreCommandImage(CXTPImageManagerIconHandle(hIcon), 100, 16, 16));
    ::DestroyIcon(hIcon);
    CXTPImageManagerIcon* pImage = images.GetImage(100, 16);
    ASSERT_NE(pImage, nullptr);

    MemoryCanvas canvas(30, 30);
    m_pTheme->DrawImage(&canvas.dc(), CPoint(5, 5), CSize(16, 16), pImage, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE);
    // The shadow silhouette on top, the highlight one pixel right and down.
    EXPECT_EQ(canvas.At(5, 5), Color(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(20, 20), Color(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(21, 21), Color(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(21, 6), Color(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.At(4, 4), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Count(CRect(0, 0, 30, 30), RGB(0, 0, 200)), 0) << "no colour of the icon itself";

    // With disabled images on, the generated grey image stands there instead.
    m_pTheme->GetOptionRecord()->bUseDisabledIcons = TRUE;
    MemoryCanvas greyed(30, 30);
    m_pTheme->DrawImage(&greyed.dc(), CPoint(5, 5), CSize(16, 16), pImage, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE);
    EXPECT_NE(greyed.At(10, 10), RGB(0, 0, 200));
    EXPECT_NE(greyed.At(10, 10), RGB(255, 255, 255));
    EXPECT_EQ(greyed.At(21, 21), RGB(255, 255, 255)) << "no embossing";

    // Enabled and idle: the icon as it is.
    MemoryCanvas normal(30, 30);
    m_pTheme->DrawImage(&normal.dc(), CPoint(5, 5), CSize(16, 16), pImage, FALSE, FALSE, TRUE, FALSE, FALSE, TRUE);
    EXPECT_EQ(normal.Count(CRect(5, 5, 21, 21), RGB(0, 0, 200)), 256);
}

TEST_F(DefaultTheme, TextHeightGripperIsAtLeastTwentyTwoPixels)
{
    const struct {
        LONG lfHeight;
    } cases[] = {{-8}, {-11}, {-24}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lfHeight);
        LOGFONT lf{};
        lf.lfHeight = c.lfHeight;
        ::lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
        m_pTheme->SetCommandBarsFontIndirect(&lf);
        const int nTextHeight = m_pTheme->GetTextHeight();
        const int h = nTextHeight >= 18 ? nTextHeight + 4 : 22;
        if (c.lfHeight == -8) {
            ASSERT_LT(nTextHeight, 18);
        }
        MemoryCanvas canvas(20, 40);
        EXPECT_EQ(m_pTheme->DrawFloatingGripper(&canvas.dc(), nullptr, FALSE), CSize(6, h));
        EXPECT_EQ(canvas.Count(CRect(0, 0, 20, 40), RGB(255, 255, 255)), 800) << "measuring draws nothing";
        EXPECT_EQ(m_pTheme->DrawFloatingGripper(&canvas.dc(), nullptr, TRUE), CSize(6, h));
        // A raised line from (3, 3) to (6, h).
        EXPECT_EQ(canvas.At(3, 3), Color(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(canvas.At(5, h - 1), Color(COLOR_BTNSHADOW));
        EXPECT_EQ(canvas.At(4, h), RGB(255, 255, 255));
    }
}

TEST_F(DefaultTheme, ComboDropDownButtonWidthFollowsTheAverageCharacterWidth)
{
    const struct {
        int nAveCharWidth;
        int nButtonWidth;
    } cases[] = {{4, 15}, {8, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nAveCharWidth);
        MemoryCanvas canvas(40, 30);
        CFont font;
        font.CreateFont(-13, c.nAveCharWidth, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        CFont* pOld = canvas.dc().SelectObject(&font);
        TEXTMETRICW tm{};
        ::GetTextMetricsW(canvas.dc(), &tm);
        ASSERT_EQ(tm.tmAveCharWidth, c.nAveCharWidth);
        const int nWidth = CXTPDefaultTheme::ComboDropDownWidth(&canvas.dc());
        canvas.dc().SelectObject(pOld);
        EXPECT_EQ(nWidth, c.nButtonWidth);

        // The button, selected: face inside a highlight-over-shadow frame, and the glyph.
        const CRect rcButton(40 - nWidth, 2, 40, 24);
        m_pTheme->DrawComboBoxButton(&canvas.dc(), rcButton, TRUE, TRUE, FALSE);
        const CRect rcFace(rcButton.left + 1, rcButton.top + 2, rcButton.right - 2, rcButton.bottom - 2);
        EXPECT_EQ(canvas.At(rcFace.left, rcFace.top + 3), Color(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(canvas.At(rcFace.right - 1, rcFace.top + 3), Color(COLOR_BTNSHADOW));
        EXPECT_EQ(canvas.At(rcFace.left + 2, rcFace.top + 2), Color(COLOR_BTNFACE));
        EXPECT_GT(canvas.Count(rcFace, Color(COLOR_BTNTEXT)), 4) << "the drop-down glyph";
        EXPECT_EQ(canvas.At(rcButton.left - 1, rcButton.top + 5), RGB(255, 255, 255));
    }
}

} // namespace
