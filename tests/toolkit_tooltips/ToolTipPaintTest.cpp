#include <gtest/gtest.h>

#include "CXTPColorManager.h"
#include "MemoryCanvas.h"
#include "TestPaths.h"
#include "TipHostWindow.h"
#include "WindowCapture.h"
#include "WindowGeometry.h"

#include <string>

namespace {

using Kind = CXTPToolTipContext::ToolTipKind;

// A titled tip of the given kind, shown by the real pointer over its tool.
class ShownTip {
public:
    ShownTip(Kind kind, const CString& text, COLORREF clrBack = static_cast<COLORREF>(-1), DWORD dwAddStyle = 0)
    {
        std::vector<TipHostWindow::Tool> tools = TipHostWindow::ToolsInARow({text});
        tools[0].title = L"Calendar";
        tools[0].body = text;
        m_window = std::make_unique<TipHostWindow>(CPoint(300, 300), tools);
        m_window->Context().SetToolTipKind(kind);
        m_window->Context().SetTipBkColor(clrBack);
        m_window->Context().ModifyToolTipStyle(0, dwAddStyle);
        m_window->Context().EnableTitles(kind != CXTPToolTipContext::kindRichText);
        if (BringToFront(m_window->GetSafeHwnd()) && MovePointer(*m_window, CPoint(200, 200))
            && MovePointer(*m_window, m_window->ToolPoint(0)))
            PumpUntil([&] { return m_window->ShownTip() != nullptr; }, 3000);
    }

    HWND Tip() const { return m_window->ShownTip(); }
    CXTPToolTipContext& Context() { return m_window->Context(); }

private:
    std::unique_ptr<TipHostWindow> m_window;
};

bool IsDark(COLORREF colour)
{
    return GetRValue(colour) < 0x60 && GetGValue(colour) < 0x60 && GetBValue(colour) < 0x60;
}

// The first row inside the frame that is black across the text area, -1 if none.
int RuleRow(const MemoryCanvas& canvas)
{
    for (int y = 1; y < canvas.Height() - 1; ++y) {
        bool black = true;
        for (int x = 3; x < canvas.Width() - 3 && black; ++x)
            black = canvas.At(x, y) == RGB(0, 0, 0);
        if (black)
            return y;
    }
    return -1;
}

int DarkPixels(const MemoryCanvas& canvas, const CRect& area)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += IsDark(canvas.At(x, y));
    return count;
}

void SaveScreenshot(HWND hTip, const std::wstring& name)
{
    const testsupport::WindowCapture shot = testsupport::WindowCapture::FromWindow(hTip);
    ASSERT_FALSE(shot.IsEmpty());
    EXPECT_TRUE(shot.HasTextLikePixels(shot.Bounds()));
    EXPECT_TRUE(shot.SavePng(testsupport::TestOutputPath(name)));
}

} // namespace

TEST(ToolTipPaint, PlainWindowPaintsBackgroundFrameTitleRuleAndText)
{
    ShownTip tip(CXTPToolTipContext::kindOwn, L"Meeting with the Notes team");
    ASSERT_NE(tip.Tip(), nullptr);
    const CRect client = ClientRectOf(tip.Tip());
    MemoryCanvas canvas(client.Width(), client.Height());
    ::SendMessageW(tip.Tip(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);

    const COLORREF background = tip.Context().GetTipBkColor();
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(client.Width() - 1, client.Height() - 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(client.Width() - 2, client.Height() / 2), background);
    const int rule = RuleRow(canvas);
    ASSERT_GT(rule, 8);
    EXPECT_GT(DarkPixels(canvas, CRect(3, 3, client.Width() - 3, rule - 3)), 10);   // title
    EXPECT_GT(DarkPixels(canvas, CRect(3, rule + 3, client.Width() - 3, client.Height() - 3)), 20);
    EXPECT_GT(canvas.Count(CRect(1, 1, client.Width() - 1, client.Height() - 1), background),
              (client.Width() - 2) * (client.Height() - 2) / 2);
    SaveScreenshot(tip.Tip(), L"tooltip_plain.png");
}


TEST(ToolTipPaint, SoftBorderDrawsTopAndLeftInTheButtonFace)
{
    ShownTip tip(CXTPToolTipContext::kindOwn, L"Soft", static_cast<COLORREF>(-1), XTP_TTS_SOFTBORDER);
    ASSERT_NE(tip.Tip(), nullptr);
    const CRect client = ClientRectOf(tip.Tip());
    MemoryCanvas canvas(client.Width(), client.Height());
    ::SendMessageW(tip.Tip(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(canvas.At(0, client.Height() / 2), face);
    EXPECT_EQ(canvas.At(client.Width() / 2, 0), face);
    EXPECT_EQ(canvas.At(client.Width() - 1, client.Height() / 2), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(client.Width() / 2, client.Height() - 1), RGB(0, 0, 0));
}

TEST(ToolTipPaint, GradientWindowRunsFromTheTipColourToWhiteInClassicColours)
{
    ShownTip tip(CXTPToolTipContext::kindGradient, L"Meeting with the Notes team", RGB(160, 200, 255));
    ASSERT_NE(tip.Tip(), nullptr);
    const CRect client = ClientRectOf(tip.Tip());
    MemoryCanvas canvas(client.Width(), client.Height());
    ::SendMessageW(tip.Tip(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);

    const int theme = GetColorManager()->GetCurrentTheme();
    const COLORREF frame = theme == xtpColorSchemeBlue    ? RGB(0, 0, 128)
                           : theme == xtpColorSchemeOlive ? RGB(63, 93, 56)
                           : theme == xtpColorSchemeSilver ? RGB(75, 75, 111) : RGB(0, 0, 0);
    const COLORREF top = theme >= 1 && theme <= 3 ? RGB(255, 212, 151) : tip.Context().GetTipBkColor();
    EXPECT_EQ(canvas.At(0, 0), frame);
    EXPECT_EQ(canvas.At(client.Width() - 1, client.Height() - 1), frame);
    // The column right of the text: the start colour at the top, lighter further down.
    const int x = client.Width() - 2;
    EXPECT_TRUE(testsupport::WindowCapture::ColorsClose(canvas.At(x, 1), top, 12));
    const COLORREF bottom = canvas.At(x, client.Height() - 2);
    EXPECT_GT(GetRValue(bottom) + GetGValue(bottom) + GetBValue(bottom),
              GetRValue(top) + GetGValue(top) + GetBValue(top));
    ASSERT_GT(RuleRow(canvas), 8);
    EXPECT_GT(DarkPixels(canvas, CRect(3, RuleRow(canvas) + 3, client.Width() - 3, client.Height() - 3)), 20);
    SaveScreenshot(tip.Tip(), L"tooltip_gradient.png");
}

TEST(ToolTipPaint, RichTextWindowShowsFormattedTextOnTheTipColour)
{
    ShownTip tip(CXTPToolTipContext::kindRichText, L"{\\rtf1\\ansi {\\b Calendar}\\par Meeting with the Notes team}");
    ASSERT_NE(tip.Tip(), nullptr);
    const CRect client = ClientRectOf(tip.Tip());
    EXPECT_GT(client.Height(), 20);   // two lines
    MemoryCanvas canvas(client.Width(), client.Height());
    ::SendMessageW(tip.Tip(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);

    const COLORREF background = tip.Context().GetTipBkColor();
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(client.Width() - 1, client.Height() - 1), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(client.Width() - 2, 1), background);
    EXPECT_GT(DarkPixels(canvas, CRect(1, 1, client.Width() - 1, client.Height() / 2)), 10);
    EXPECT_GT(DarkPixels(canvas, CRect(1, client.Height() / 2, client.Width() - 1, client.Height() - 1)), 10);
    SaveScreenshot(tip.Tip(), L"tooltip_richtext.png");
}

TEST(ToolTipPaint, PlatformKindsShowTitledTips)
{
    for (Kind kind : {CXTPToolTipContext::kindStandard, CXTPToolTipContext::kindBalloon}) {
        SCOPED_TRACE(kind);
        ShownTip tip(kind, L"Meeting with the Notes team");
        ASSERT_NE(tip.Tip(), nullptr);
        ASSERT_TRUE(testsupport::WindowCapture::WaitUntilShown(tip.Tip()));
        SaveScreenshot(tip.Tip(), kind == CXTPToolTipContext::kindStandard ? L"tooltip_standard.png"
                                                                            : L"tooltip_balloon.png");
    }
}

TEST(ToolTipPaint, LongTextWrapsWithinTheMaximumWidth)
{
    CString text;
    for (int i = 0; i < 40; ++i)
        text += L"calendar ";
    ShownTip tip(CXTPToolTipContext::kindOwn, text);
    ASSERT_NE(tip.Tip(), nullptr);
    const CRect client = ClientRectOf(tip.Tip());
    EXPECT_LE(client.Width(), ::GetSystemMetrics(SM_CXSCREEN) / 2 + 6);
    EXPECT_GT(client.Width(), ::GetSystemMetrics(SM_CXSCREEN) / 4);
    EXPECT_GT(client.Height(), 40);
}
