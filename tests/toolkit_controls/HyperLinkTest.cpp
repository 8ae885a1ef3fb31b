#include <gtest/gtest.h>

#include "CXTHyperLink.h"
#include "CXTPColorManager.h"
#include "ControlHostWindow.h"
#include "MemoryCanvas.h"
#include "WindowCapture.h"

namespace {

// A link whose shell open answers a chosen code and counts its calls.
class ScriptedLink : public CXTHyperLink {
public:
    INT_PTR answer = 42;
    int opens = 0;
    CString lastURL;

protected:
    HINSTANCE ShellOpen(LPCTSTR lpszURL, LPCTSTR, LPCTSTR, int) override
    {
        ++opens;
        lastURL = lpszURL;
        return reinterpret_cast<HINSTANCE>(answer);
    }
};

constexpr UINT kLinkId = 77;

int TextWidth(CWnd& wnd, const CString& text)
{
    CClientDC dc(&wnd);
    CFont* pOld = dc.SelectObject(wnd.GetFont());
    const int cx = dc.GetTextExtent(text).cx;
    dc.SelectObject(pOld);
    return cx;
}

int PixelsOf(MemoryCanvas& canvas, COLORREF clr)
{
    return canvas.Count(RECT{0, 0, canvas.Width(), canvas.Height()}, clr);
}

} // namespace

TEST(HyperLink, TakesItsLinkFromItsCaptionWhetherSubclassedOrCreated)
{
    ControlHostWindow host;
    const CString url = L"https://orbalin.example/help";

    // A static of a dialog template, subclassed afterwards.
    HWND hStatic = ::CreateWindowExW(0, L"STATIC", url, WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 300, 20,
                                     host.GetSafeHwnd(), reinterpret_cast<HMENU>(INT_PTR(kLinkId)), nullptr, nullptr);
    CXTHyperLink subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(hStatic));
    // A link made by the class itself.
    CXTHyperLink created;
    ASSERT_TRUE(created.Create(url, WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 40, 310, 60), &host, kLinkId + 1));

    for (CXTHyperLink* pLink : {&subclassed, &created}) {
        EXPECT_EQ(url, pLink->LinkTarget());
        EXPECT_TRUE(pLink->GetStyle() & SS_NOTIFY);
        LOGFONTW lf{};
        ASSERT_NE(0, ::GetObjectW(reinterpret_cast<HFONT>(pLink->SendMessage(WM_GETFONT)), sizeof(lf), &lf));
        EXPECT_TRUE(lf.lfUnderline);
        EXPECT_EQ(0xFF0000u, pLink->NormalTextColor());
        EXPECT_EQ(0x800080u, pLink->VisitedTextColor());
        EXPECT_EQ(0x0000FFu, pLink->HoverTextColor());
    }
    created.EnableUnderline(FALSE);
    LOGFONTW lf{};
    ::GetObjectW(reinterpret_cast<HFONT>(created.SendMessage(WM_GETFONT)), sizeof(lf), &lf);
    EXPECT_FALSE(lf.lfUnderline);
    // With neither a link nor a tip text there is no tip to show.
    CXTHyperLink bare;
    EXPECT_FALSE(bare.SetLinkTarget(L""));
}

TEST(HyperLink, OnlyTheTextOfACentredLinkShowsTheHandAndTakesClicks)
{
    ControlHostWindow host;
    ScriptedLink link;
    link.answer = 33;
    ASSERT_TRUE(link.Create(L"orbalin.example", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(50, 50, 250, 70), &host, kLinkId));
    const int textWidth = TextWidth(link, L"orbalin.example");
    ASSERT_GT(textWidth, 20);
    ASSERT_LT(textWidth, 200);
    CRect rcLink;
    link.GetWindowRect(&rcLink);
    const int hotLeft = rcLink.left + (200 - textWidth) / 2;
    const int hotRight = rcLink.right - (200 - textWidth) / 2;
    const int y = rcLink.CenterPoint().y;

    struct Case {
        int x;
        bool over;
    } cases[] = {{rcLink.left + 2, false}, {hotLeft - 2, false}, {hotLeft + 1, true}, {rcLink.CenterPoint().x, true},
                 {hotRight - 2, true},     {hotRight + 2, false}, {rcLink.right - 2, false}};
    int opens = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x - rcLink.left);
        controltest::MovePointer(CPoint(c.x, y));
        EXPECT_EQ(c.over, !!link.IsPointerOverText());
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        const LRESULT handled = link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.GetSafeHwnd()),
                                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(c.over, handled != 0);
        EXPECT_EQ(c.over, ::GetCursor() == link.HoverCursor());
        const size_t commandsBefore = host.commands.size();
        link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x - rcLink.left, 10));
        link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(c.x - rcLink.left, 10));
        opens += c.over;
        EXPECT_EQ(opens, link.opens);
        // A text link's click reaches the parent too, over the text or not.
        ASSERT_EQ(commandsBefore + 1, host.commands.size());
        EXPECT_EQ(MAKEWPARAM(kLinkId, STN_CLICKED), host.commands.back().first);
    }
    EXPECT_STREQ(L"orbalin.example", link.lastURL);
    EXPECT_TRUE(link.IsVisited());
}

TEST(HyperLink, ShellErrorsShowTheirTextsAndLeaveTheLinkUnvisited)
{
    struct Case {
        int code;
        const wchar_t* text;
    } cases[] = {
        {0, L"The operating system is out of memory or resources."},
        {11, L"The .exe file is invalid (non-Win32\u00AE .exe or error in .exe image)."},
        {31, L"There is no application associated with the given file name extension."},
        {32, L"The specified dynamic-link library was not found."},
        {42, L"An unknown error number 42 occured."},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, CXTHyperLink::OpenErrorText(c.code)) << c.code;

    ControlHostWindow host;
    ScriptedLink link;
    ASSERT_TRUE(link.Create(L"notes://nowhere", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 30), &host, kLinkId));
    // A failed open shows its text; any code may be shown, a success code too.
    link.answer = 31;
    BOOL bOpened = TRUE;
    EXPECT_STREQ(cases[2].text, controltest::TextOfMessageBoxDuring([&] { bOpened = link.OpenLinkTarget(); }));
    EXPECT_FALSE(bOpened);
    EXPECT_STREQ(cases[4].text, controltest::TextOfMessageBoxDuring([&] { link.ShowOpenError(42); }));
    EXPECT_EQ(1, link.opens);

    // A click that fails leaves the link unvisited; one that opens marks it visited.
    CRect rcLink;
    link.GetWindowRect(&rcLink);
    controltest::MovePointer(rcLink.TopLeft() + CPoint(3, 10));
    link.answer = 31;
    controltest::TextOfMessageBoxDuring([&] { link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 10)); });
    EXPECT_FALSE(link.IsVisited());
    link.answer = 33;
    link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 10));
    EXPECT_TRUE(link.IsVisited());
}

TEST(HyperLink, TextShowsInTheLinkHoverAndVisitedColours)
{
    ControlHostWindow host;
    CXTHyperLink link;
    ASSERT_TRUE(link.Create(L"HHHH IIII HHHH", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 10, 300, 40), &host, kLinkId));
    link.AssignLinkColors(RGB(0, 0, 200), RGB(120, 0, 120), RGB(200, 0, 0));
    auto printed = [&](COLORREF clr) {
        MemoryCanvas canvas(290, 30);
        link.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc()), PRF_CLIENT);
        return PixelsOf(canvas, clr);
    };
    EXPECT_GT(printed(RGB(0, 0, 200)), 20);
    EXPECT_EQ(0, printed(RGB(200, 0, 0)));

    // Hover follows the pointer through the 10 ms timer.
    CRect rcLink;
    link.GetWindowRect(&rcLink);
    controltest::MovePointer(rcLink.TopLeft() + CPoint(5, 15));
    link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 15));
    ASSERT_TRUE(controltest::PumpUntil([&] { return !!link.IsHovering(); }));
    EXPECT_GT(printed(RGB(200, 0, 0)), 20);
    EXPECT_EQ(0, printed(RGB(0, 0, 200)));
    controltest::MovePointer(CPoint(rcLink.right + 50, rcLink.bottom + 50));
    ASSERT_TRUE(controltest::PumpUntil([&] { return !link.IsHovering(); }));
    // Off the text the timer has stopped.
    EXPECT_FALSE(link.KillTimer(CXTHyperLink::kHoverTimer));

    link.MarkVisited();
    EXPECT_GT(printed(RGB(120, 0, 120)), 20);
    EXPECT_EQ(0, printed(RGB(0, 0, 200)));
}

TEST(HyperLink, PaintsOnItsBackgroundExceptWhenTransparent)
{
    const COLORREF clrHost = RGB(255, 0, 255);
    const COLORREF clrBack = RGB(0, 200, 0);
    ControlHostWindow host(CRect(40, 40, 440, 240), clrHost);
    CXTHyperLink solid, transparent;
    ASSERT_TRUE(solid.Create(L"a", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 10, 210, 40), &host, kLinkId));
    ASSERT_TRUE(transparent.Create(L"a", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 60, 210, 90), &host, kLinkId + 1));
    transparent.ModifyStyleEx(0, WS_EX_TRANSPARENT);
    for (CXTHyperLink* pLink : {&solid, &transparent})
        pLink->SetBackgroundColor(clrBack);
    host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(testsupport::WindowCapture::WaitUntilShown(host.GetSafeHwnd()));
    const RECT whole{0, 0, 200, 30};
    EXPECT_TRUE(testsupport::WindowCapture::FromWindow(solid.GetSafeHwnd(), true).IsMostlyColor(whole, clrBack));
    EXPECT_TRUE(testsupport::WindowCapture::FromWindow(transparent.GetSafeHwnd(), true).IsMostlyColor(whole, clrHost));
    // Without a colour of its own a link paints on the colour manager's button face.
    solid.SetBackgroundColor(COLORREF(-1));
    EXPECT_EQ(GetColorManager()->GetColor(COLOR_BTNFACE), solid.BackgroundColor());
}
