#include <gtest/gtest.h>

#include "ButtonTestHost.h"
#include "CXTButtonThemeFactory.h"
#include "CXTButtonThemeGradient.h"
#include "ThemedRun.h"
#include "ToolkitLookData.h"
#include "WindowCapture.h"

namespace {

// A 100 x 30 button with a caption, drawn on a 24-bit canvas of its size.
class ThemePaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(button.Create(L"Save", WS_CHILD | WS_VISIBLE | BS_CENTER, CRect(0, 0, 100, 30), &host, 7));
        button.SetFont(&ToolkitLookData().fontNormal);
    }

    // The theme of that number, with these look flags.
    CXTButtonTheme* Use(int nTheme, DWORD dwLookFlags)
    {
        button.SetLookFlags(dwLookFlags, FALSE);
        button.InstallTheme(CXTButtonThemeFactory().MakeThemeObject(nTheme));
        return button.GetTheme();
    }
    void Draw(UINT nState, BOOL bHot = FALSE, BOOL bPushed = FALSE)
    {
        button.SetHot(bHot);
        button.SetPushed(bPushed);
        DrawButton(button, canvas, nState);
    }
    // The caption's pixels: those inside the frame that are not the face.
    CRect Caption(COLORREF clrFace) const { return InkBounds(canvas, CRect(3, 3, 97, 27), clrFace); }
    int CountInside(COLORREF clr) const { return canvas.Count(CRect(3, 3, 97, 27), clr); }

    ToolkitTestWindow host{0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200)};
    ProbeButton button;
    MemoryCanvas canvas{100, 30};
};

struct Probe {
    int x, y, colour;   // colour-manager number
};

void ExpectProbes(const MemoryCanvas& canvas, std::initializer_list<Probe> probes)
{
    for (const Probe& p : probes)
        EXPECT_EQ(ColorOf(p.colour), canvas.At(p.x, p.y)) << "at (" << p.x << ", " << p.y << ")";
}

} // namespace

TEST_F(ThemePaint, ClassicFrameSinksWhileDownAndTheCaptionMovesOnePixel)
{
    Use(0, 0);
    Draw(0);
    ExpectProbes(canvas, {{0, 0, COLOR_BTNHIGHLIGHT}, {1, 1, COLOR_BTNFACE}, {99, 29, COLOR_3DDKSHADOW},
                          {98, 28, COLOR_BTNSHADOW}, {50, 2, COLOR_BTNFACE}});
    const CRect rcUp = Caption(ColorOf(COLOR_BTNFACE));
    ASSERT_FALSE(rcUp.IsRectEmpty());
    EXPECT_GT(CountInside(ColorOf(COLOR_BTNTEXT)), 10);

    // Pressed with the mouse, and a checked toggle, both sink.
    for (BOOL bPushed : {FALSE, TRUE}) {
        SCOPED_TRACE(bPushed ? "checked" : "pressed");
        Draw(bPushed ? 0 : ODS_SELECTED, FALSE, bPushed);
        ExpectProbes(canvas, {{0, 0, COLOR_3DDKSHADOW}, {1, 1, COLOR_BTNSHADOW}, {99, 29, COLOR_BTNHIGHLIGHT},
                              {98, 28, COLOR_BTNFACE}});
        CRect rcDown = Caption(ColorOf(COLOR_BTNFACE));
        rcDown.OffsetRect(-1, -1);
        EXPECT_EQ(rcUp, rcDown);
    }
}

TEST_F(ThemePaint, ClassicFlatLooksAndTheDitheredFace)
{
    // Flat: a one-pixel frame only while hot or down; semi-flat: always.
    const struct {
        DWORD flags;
        UINT state;
        BOOL hot;
        int topLeft, bottomRight;
    } cases[] = {
        {BS_XT_FLAT, 0, FALSE, COLOR_BTNFACE, COLOR_BTNFACE},
        {BS_XT_FLAT, 0, TRUE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        {BS_XT_FLAT, ODS_SELECTED, FALSE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
        {BS_XT_SEMIFLAT, 0, FALSE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.flags << " state " << c.state << " hot " << c.hot);
        Use(0, c.flags);
        Draw(c.state, c.hot);
        ExpectProbes(canvas, {{0, 0, c.topLeft}, {99, 29, c.bottomRight}, {1, 1, COLOR_BTNFACE}});
    }

    // Down with the dither flag: the face alternates the two colours pixel by pixel.
    Use(0, BS_XT_HILITEPRESSED);
    Draw(ODS_SELECTED);
    const COLORREF clrFace = ColorOf(COLOR_BTNFACE), clrLight = ColorOf(COLOR_BTNHIGHLIGHT);
    ASSERT_NE(clrFace, clrLight);
    for (int x = 4; x < 10; ++x) {
        const COLORREF here = canvas.At(x, 3), right = canvas.At(x + 1, 3);
        EXPECT_TRUE(here == clrFace || here == clrLight) << x;
        EXPECT_NE(here, right) << x;
        EXPECT_EQ(here, canvas.At(x + 1, 4)) << x;
    }
    Draw(0);
    EXPECT_EQ(clrFace, canvas.At(4, 3));
    EXPECT_EQ(clrFace, canvas.At(5, 3));
}

TEST_F(ThemePaint, HighlightFillsByStateAndKeepsTheCaptionStill)
{
    const struct {
        const char* name;
        UINT state;
        BOOL hot, pushed;
        int fill, frame;
    } cases[] = {
        {"normal", 0, FALSE, FALSE, COLOR_BTNFACE, COLOR_BTNFACE},
        {"hot", 0, TRUE, FALSE, 31, 32},
        {"pressed", ODS_SELECTED, FALSE, FALSE, 33, 32},
        {"checked", 0, FALSE, TRUE, 36, 32},
        {"hot and checked", 0, TRUE, TRUE, 33, 32},
    };
    Use(1, BS_XT_FLAT);
    Draw(0);
    const CRect rcNormal = Caption(ColorOf(COLOR_BTNFACE));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Draw(c.state, c.hot, c.pushed);
        ExpectProbes(canvas, {{0, 0, c.frame}, {99, 29, c.frame}, {2, 2, c.fill}, {97, 27, c.fill}});
        EXPECT_EQ(rcNormal, Caption(ColorOf(c.fill)));
    }
    // Text colours: hot and pressed ones of their own.
    CXTButtonTheme* pTheme = button.GetTheme();
    button.SetHot(FALSE);
    EXPECT_EQ(ColorOf(46), pTheme->GetTextColor(0, &button));
    EXPECT_EQ(ColorOf(47), pTheme->GetTextColor(ODS_SELECTED, &button));
    button.SetHot(TRUE);
    EXPECT_EQ(ColorOf(45), pTheme->GetTextColor(ODS_SELECTED, &button));
    EXPECT_EQ(ColorOf(COLOR_GRAYTEXT), pTheme->GetTextColor(ODS_DISABLED, &button));
}

TEST_F(ThemePaint, DisabledCaptionsAreGreyAndTheFocusRectangleShowsWhenAsked)
{
    for (int nTheme : {0, 1, 2}) {
        SCOPED_TRACE(nTheme);
        CXTButtonTheme* pTheme = Use(nTheme, BS_XT_SEMIFLAT | BS_XT_SHOWFOCUS);
        Draw(0);
        const COLORREF clrText = pTheme->GetTextColor(0, &button);
        EXPECT_GT(CountInside(clrText), 10);
        Draw(ODS_DISABLED);
        EXPECT_EQ(0, CountInside(clrText));
        EXPECT_GT(CountInside(ColorOf(COLOR_GRAYTEXT)), 10);

        // The dotted rectangle two pixels in: along row 2 only with the focus.
        const COLORREF clrFace = pTheme->GetBackgroundColor();
        Draw(0);
        EXPECT_EQ(0, 96 - canvas.Count(CRect(2, 2, 98, 3), clrFace));
        Draw(ODS_FOCUS);
        EXPECT_GT(96 - canvas.Count(CRect(2, 2, 98, 3), clrFace), 20);
        Use(nTheme, BS_XT_SEMIFLAT);
        Draw(ODS_FOCUS);
        EXPECT_EQ(0, 96 - canvas.Count(CRect(2, 2, 98, 3), clrFace));
    }

    // The alternate highlight style marks the focus with a two-pixel frame instead.
    auto* pHighlight = static_cast<CXTButtonThemeHighlight*>(Use(1, BS_XT_SHOWFOCUS));
    pHighlight->SetAlternateStyle(TRUE);
    Draw(ODS_FOCUS);
    ExpectProbes(canvas, {{0, 0, COLOR_HIGHLIGHT}, {1, 1, COLOR_HIGHLIGHT}, {98, 28, COLOR_HIGHLIGHT}});
    Draw(0);
    ExpectProbes(canvas, {{0, 0, COLOR_BTNSHADOW}, {1, 1, 30}});
}

TEST_F(ThemePaint, GradientFacesAndTheColourScheme)
{
    CXTPColorManager* pColors = GetColorManager();
    const struct {
        const char* name;
        UINT state;
        BOOL hot, pushed;
        int gradient;
    } cases[] = {
        {"hot", 0, TRUE, FALSE, 9},
        {"pressed", ODS_SELECTED, FALSE, FALSE, 8},
        {"pressed while hot", ODS_SELECTED, TRUE, FALSE, 8},
        {"checked", 0, FALSE, TRUE, 7},
    };
    pColors->SetTheme(xtpColorSchemeNone);
    pColors->RefreshColors();
    auto* pTheme = static_cast<CXTButtonThemeGradient*>(Use(2, 0));
    Draw(0);
    ExpectProbes(canvas, {{0, 0, COLOR_BTNFACE}, {50, 2, COLOR_BTNFACE}});
    EXPECT_EQ(ColorOf(46), pTheme->GetTextColor(0, &button));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Draw(c.state, c.hot, c.pushed);
        const CXTPPaintManagerColorGradient& gradient = pColors->GetGradient(c.gradient);
        EXPECT_TRUE(testsupport::WindowCapture::ColorsClose(gradient.clrStart, canvas.At(1, 15), 12));
        EXPECT_TRUE(testsupport::WindowCapture::ColorsClose(gradient.clrEnd, canvas.At(98, 15), 12));
        ExpectProbes(canvas, {{0, 0, 32}, {99, 29, 32}});
    }

    // Under the blue scheme: black captions, and the scheme's face and frame in the alternate style.
    pColors->SetTheme(xtpColorSchemeBlue);
    pColors->RefreshColors();
    pTheme->RefreshMetrics();
    Draw(0);
    EXPECT_EQ(COLORREF(0), pTheme->GetTextColor(0, &button));
    EXPECT_EQ(ColorOf(COLOR_BTNFACE), canvas.At(50, 2));
    pTheme->SetAlternateStyle(TRUE);
    Draw(0);
    EXPECT_EQ(COLORREF(0xF0C7A9), canvas.At(50, 2));
    EXPECT_EQ(COLORREF(0xB99D7F), canvas.At(0, 0));
    // Without a scheme the alternate style keeps the button face.
    pColors->SetTheme(xtpColorSchemeNone);
    pColors->RefreshColors();
    pTheme->RefreshMetrics();
    Draw(0);
    EXPECT_EQ(ColorOf(COLOR_BTNFACE), canvas.At(50, 2));

    pColors->SetTheme(xtpColorSchemeSystem);
    pColors->RefreshColors();
}

TEST_F(ThemePaint, ClassicDrawsTheVisualStyleWhenAskedAndAvailable)
{
    // Wine's common controls report version 5.81 even as the side-by-side copy
    // the manifest asks for, so the toolkit would never count visual styles as
    // available there: the theme here reaches the real UxTheme as if under 6.0.
    static ThemeEntryTable uxTheme(
        [module = ::LoadLibraryW(L"uxtheme.dll")](const char* name) { return ::GetProcAddress(module, name); }, 0x60000);
    Use(0, 0);
    Draw(0);
    std::vector<COLORREF> classic;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            classic.push_back(canvas.At(x, y));

    button.SetLookFlags(BS_XT_WINXP_COMPAT, FALSE);
    button.InstallTheme(new CXTButtonTheme(uxTheme));
    CXTButtonTheme* pTheme = button.GetTheme();
    Draw(0);
    int differing = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            differing += canvas.At(x, y) != classic[static_cast<size_t>(y * 100 + x)];
    switch (CurrentRunStyle()) {
    case RunStyle::Light:
        EXPECT_TRUE(pTheme->IsVisualStyle(&button));
        EXPECT_TRUE(pTheme->NeedsHotTracking(&button));
        EXPECT_GT(differing, 100);
        break;
    case RunStyle::Off:
        EXPECT_FALSE(pTheme->IsVisualStyle(&button));
        EXPECT_FALSE(pTheme->NeedsHotTracking(&button));
        EXPECT_EQ(0, differing);
        break;
    case RunStyle::Unknown:
        GTEST_SKIP() << "the visual style of this run is not known";
    }
}
