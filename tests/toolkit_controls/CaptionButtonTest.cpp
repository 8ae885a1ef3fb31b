#include <gtest/gtest.h>

#include "CXTButtonThemeGradient.h"
#include "CXTCaption.h"
#include "CXTCaptionButtonThemeFactory.h"
#include "CXTCaptionButtonThemeGradient.h"
#include "CXTPColorManager.h"
#include "ControlHostWindow.h"
#include "MemoryCanvas.h"

#include <memory>

namespace {

constexpr COLORREF kBorder = RGB(200, 0, 0);
constexpr COLORREF kFace = RGB(0, 0, 200);
constexpr COLORREF kText = RGB(255, 255, 0);

COLORREF Colour(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

std::unique_ptr<CXTButtonTheme> MakeTheme(int nTheme)
{
    CXTCaptionButtonThemeFactory factory;
    std::unique_ptr<CXTButtonTheme> pTheme(static_cast<CXTButtonTheme*>(factory.MakeThemeObject(nTheme)));
    pTheme->ReloadMetrics();
    return pTheme;
}

// The button of a text caption drawn by a theme into a memory canvas.
struct CaptionButtonProbe {
    ControlHostWindow host;
    CXTCaption caption;
    CaptionButtonProbe()
    {
        caption.Create(&host, L"Folders", 0, WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 34), 1);
        caption.ApplyCaptionColors(kBorder, kFace, kText);
    }
    std::unique_ptr<MemoryCanvas> Draw(CXTButtonTheme& theme, UINT nState, CXTButton& button)
    {
        auto canvas = std::make_unique<MemoryCanvas>(60, 20);
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_BUTTON;
        dis.hwndItem = button.GetSafeHwnd();
        dis.hDC = canvas->dc().GetSafeHdc();
        dis.rcItem = RECT{0, 0, 60, 20};
        dis.itemState = nState;
        theme.DrawItem(&dis, &button);
        return canvas;
    }
};

} // namespace

TEST(CaptionButton, EachThemeDrawsInTheColoursOfItsCaption)
{
    CaptionButtonProbe probe;
    CXTCaptionButton& button = probe.caption.GetCaptionButton();
    struct Case {
        int theme;
        UINT state;
        CPoint at;
        COLORREF expected;
    } cases[] = {
        {0, 0, {30, 2}, kFace},             // the face in the caption's face colour
        {1, 0, {0, 0}, kFace},              // flat on the caption's face
        {1, ODS_SELECTED, {0, 0}, Colour(32)},
        {1, ODS_SELECTED, {3, 3}, Colour(33)},
        {2, ODS_SELECTED, {0, 0}, Colour(32)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "theme " << c.theme << " state " << c.state);
        auto pTheme = MakeTheme(c.theme);
        EXPECT_EQ(c.expected, probe.Draw(*pTheme, c.state, button)->At(c.at.x, c.at.y));
    }
    // The text button shows the caption's text in the caption's text colour.
    auto pPlain = MakeTheme(0);
    EXPECT_EQ(kText, pPlain->GetTextColor(0, &button));
    EXPECT_GT(probe.Draw(*pPlain, 0, button)->Count(RECT{0, 0, 60, 20}, kText), 10);
    auto pHighlight = MakeTheme(1);
    EXPECT_EQ(kText, pHighlight->GetTextColor(0, &button));
    EXPECT_EQ(Colour(COLOR_GRAYTEXT), pHighlight->GetTextColor(ODS_DISABLED, &button));
}

TEST(CaptionButton, GradientThemeTakesTheBarsGradientAndWithoutACaptionDrawsAsTheGradientButton)
{
    CaptionButtonProbe probe;
    CXTCaptionButton& button = probe.caption.GetCaptionButton();
    button.ShowWindow(SW_SHOW);
    CRect rcButton;
    button.GetWindowRect(&rcButton);
    CXTCaptionButtonThemeGradient theme;
    theme.ReloadMetrics();
    CXTPPaintManagerColorGradient gradient;
    ASSERT_TRUE(theme.GetCaptionGradient(rcButton.TopLeft(), CPoint(rcButton.right - 1, rcButton.top), &probe.caption,
                                         gradient));
    EXPECT_EQ(gradient.clrStart.GetColor(), probe.Draw(theme, 0, button)->At(0, 10));

    // A caption button whose caption has no window.
    CXTCaption noWindow;
    CXTCaptionButton loose;
    loose.SetCaption(&noWindow);
    ASSERT_TRUE(loose.Create(L"x", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 50, 70, 70), &probe.host, 2));
    EXPECT_FALSE(theme.GetCaptionGradient(CPoint(0, 0), CPoint(1, 1), &noWindow, gradient));
    CXTButtonThemeGradient plain;
    plain.ReloadMetrics();
    for (UINT state : {0u, UINT(ODS_SELECTED)}) {
        auto mine = probe.Draw(theme, state, loose);
        auto base = probe.Draw(plain, state, loose);
        int differing = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                differing += mine->At(x, y) != base->At(x, y);
        EXPECT_EQ(0, differing) << state;
    }
}
