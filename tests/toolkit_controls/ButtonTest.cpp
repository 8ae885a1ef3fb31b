#include <gtest/gtest.h>

#include <typeinfo>

#include "ButtonTestHost.h"
#include "CDialog.h"
#include "CXTButtonThemeFactory.h"
#include "CXTButtonThemeGradient.h"
#include "CXTThemeManager.h"
#include "MessagePump.h"
#include "TestResourceIds.h"
#include "ToolkitLookData.h"

namespace {

// Pumps messages until done() holds or boundMs passed; the milliseconds it took.
template <typename Done>
ULONGLONG WaitFor(Done done, unsigned boundMs = 2000)
{
    const ULONGLONG start = ::GetTickCount64();
    while (!done() && ::GetTickCount64() - start < boundMs)
        testsupport::PumpMessages(5);
    return ::GetTickCount64() - start;
}

CXTThemeManagerStyle* SharedButtonTheme()
{
    return CXTThemeManager::Instance().LookUpFactory(RUNTIME_CLASS(CXTButtonThemeFactory))->EnsureTheme();
}

} // namespace

TEST(Button, BecomesOwnerDrawnOnceAndKeepsItsOtherStyleBits)
{
    ToolkitTestWindow host(0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200));
    ProbeButton coded;
    ASSERT_TRUE(coded.Create(L"Code", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE,
                             CRect(10, 10, 110, 40), &host, 5));
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_BUTTON_DIALOG, &host));
    ProbeButton fromTemplate;
    ASSERT_TRUE(fromTemplate.SubclassDlgItem(IDC_DIALOG_BUTTON, &dialog));

    const struct {
        const char* name;
        ProbeButton& button;
        DWORD kept;
    } cases[] = {
        {"created by code", coded, WS_TABSTOP | BS_LEFT | BS_VCENTER | BS_MULTILINE},
        {"from a dialog template", fromTemplate, WS_TABSTOP | WS_GROUP | BS_RIGHT | BS_VCENTER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(1, c.button.ownerDrawInits);
        const DWORD dwStyle = c.button.GetStyle();
        EXPECT_EQ(DWORD(BS_OWNERDRAW), dwStyle & 0xFF);
        EXPECT_EQ(c.kept, dwStyle & c.kept);
    }
    fromTemplate.UnsubclassWindow();
    dialog.DestroyWindow();
}

TEST(Button, HotTrackingEndsSoonAfterTheMouseLeavesAndOnAPress)
{
    ToolkitTestWindow host(0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200));
    ProbeButton button;
    ASSERT_TRUE(button.Create(L"Hot", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &host, 5));
    const CPoint inside(60, 25);   // screen = client: the host has no frame at (0, 0)
    auto enter = [&] {
        ::SetCursorPos(inside.x, inside.y);
        button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(50, 15));
    };

    // Flat (the look flags a button starts with): the theme wants hot tracking.
    enter();
    EXPECT_TRUE(button.IsHot());
    ::SetCursorPos(250, 150);
    const ULONGLONG left = WaitFor([&] { return !button.IsHot(); });
    EXPECT_FALSE(button.IsHot());
    EXPECT_LT(left, 500u);

    enter();
    ASSERT_TRUE(button.IsHot());
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 15));
    EXPECT_TRUE(button.IsPushed());
    WaitFor([&] { return !button.IsHot(); });
    EXPECT_FALSE(button.IsHot());
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
    EXPECT_FALSE(button.IsPushed());

    // A raised classic button without visual styles is not hot-tracked.
    button.SetLookFlags(0);
    enter();
    EXPECT_FALSE(button.IsHot());
    ::SetCursorPos(1279, 1023);
}

TEST(Button, LookFlagsGiveTheButtonAThemeOfItsOwnOrTakeItAway)
{
    ToolkitTestWindow host;
    ProbeButton button;
    ASSERT_TRUE(button.Create(L"Look", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &host, 5));
    EXPECT_EQ(DWORD(BS_XT_FLAT), button.GetLookFlags());
    EXPECT_EQ(SharedButtonTheme(), button.GetTheme());

    const struct {
        DWORD flags;
        const std::type_info& theme;   // typeid(void): the factory's shared theme
    } cases[] = {
        {BS_XT_XPFLAT, typeid(CXTButtonThemeGradient)},
        {BS_XT_FLAT, typeid(CXTButtonThemeHighlight)},
        {BS_XT_XPFLAT | BS_XT_FLAT | BS_XT_SHOWFOCUS, typeid(CXTButtonThemeGradient)},
        {BS_XT_WINXP_COMPAT, typeid(void)},
        {BS_XT_FLAT, typeid(CXTButtonThemeHighlight)},
        {0, typeid(void)},
    };
    DWORD dwPrevious = button.GetLookFlags();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(dwPrevious, button.SetLookFlags(c.flags));
        EXPECT_EQ(c.flags, button.GetLookFlags());
        CXTButtonTheme* pTheme = button.GetTheme();
        ASSERT_NE(nullptr, pTheme);
        if (c.theme == typeid(void)) {
            EXPECT_EQ(SharedButtonTheme(), pTheme);
        } else {
            EXPECT_NE(SharedButtonTheme(), pTheme);
            EXPECT_EQ(c.theme, typeid(*pTheme));
        }
        dwPrevious = c.flags;
    }
    // The colour setters reach the theme in use.
    ASSERT_TRUE(button.SetLookFlags(BS_XT_FLAT) == 0);
    EXPECT_TRUE(button.SetColorFace(RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), button.GetColorFace());
    EXPECT_NE(RGB(1, 2, 3), static_cast<CXTButtonTheme*>(SharedButtonTheme())->GetBackgroundColor());
}

TEST(ButtonTheme, FactoryMakesTheThemeOfANumber)
{
    CXTButtonThemeFactory factory;
    const struct {
        int number;
        const std::type_info& theme;
    } cases[] = {{0, typeid(CXTButtonTheme)}, {1, typeid(CXTButtonThemeHighlight)},
                 {2, typeid(CXTButtonThemeGradient)}, {5, typeid(CXTButtonTheme)}};
    for (const auto& c : cases) {
        std::unique_ptr<CXTThemeManagerStyle> pTheme(factory.MakeThemeObject(c.number));
        EXPECT_EQ(c.theme, typeid(*pTheme)) << c.number;
        EXPECT_EQ(c.number, pTheme->GetThemeNumber());
    }
}

TEST(ButtonTheme, PlacesImageAndTextByAlignmentAndLookFlags)
{
    ToolkitTestWindow host(0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200));
    CFont* pFont = &ToolkitLookData().fontNormal;
    CSize text;
    {
        CClientDC dc(&host);
        CFont* pOld = dc.SelectObject(pFont);
        text = dc.GetTextExtent(L"Next");
        dc.SelectObject(pOld);
    }
    // A 100 x 60 button with a 16 x 16 image; border gap 4, image gap 8.
    const int tw = text.cx, th = text.cy;
    const struct {
        const char* name;
        const wchar_t* caption;
        DWORD style;
        DWORD lookFlags;
        CPoint image;
        CPoint text;
    } cases[] = {
        {"left", L"Next", BS_LEFT, 0, {4, 22}, {4 + 16 + 8, (60 - th) / 2}},
        {"right", L"Next", BS_RIGHT, 0, {4, 22}, {100 - 4 - tw, (60 - th) / 2}},
        {"centred", L"Next", BS_CENTER, 0, {4, 22}, {20 + (96 - tw - 20) / 2, (60 - th) / 2}},
        {"no alignment", L"Next", 0, 0, {4, 22}, {20 + (96 - tw - 20) / 2, (60 - th) / 2}},
        {"image above, centred", L"Next", BS_CENTER, BS_XT_TWOROWS, {42, 22 - (4 + th / 2)},
         {4 + (96 - tw - 4) / 2, (60 - th) / 2 + 4 + 8}},
        {"image above, left", L"Next", BS_LEFT, BS_XT_TWOROWS, {4, 22 - (4 + th / 2)}, {4, (60 - th) / 2 + 4 + 8}},
        {"image above, right", L"Next", BS_RIGHT, BS_XT_TWOROWS, {100 - 4 - 16, 22 - (4 + th / 2)},
         {100 - 4 - tw, (60 - th) / 2 + 4 + 8}},
        {"image only, centred", L"", BS_CENTER | BS_VCENTER, 0, {42, 22}, {}},
        {"image only, left", L"", BS_LEFT, 0, {4, 22}, {}},
    };
    MemoryCanvas canvas(100, 60);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProbeButton button;
        ASSERT_TRUE(button.Create(c.caption, WS_CHILD | WS_VISIBLE | c.style, CRect(0, 0, 100, 60), &host, 5));
        button.SetFont(pFont);
        ASSERT_TRUE(button.SetIcon(CSize(16, 16), 169));
        button.SetLookFlags(c.lookFlags);
        CXTButtonTheme* pTheme = button.GetTheme();
        const CRect rcItem(0, 0, 100, 60);
        EXPECT_EQ(c.image, pTheme->CalcImagePosition(&canvas.dc(), 0, rcItem, TRUE, &button));
        if (*c.caption != L'\0') {
            EXPECT_EQ(c.text, pTheme->CalcTextPosition(&canvas.dc(), 0, rcItem, text, &button));
        }
        // What is drawn lies where the theme places it: the image, and the caption below it or beside it.
        button.SetLookFlags(c.lookFlags | BS_XT_SEMIFLAT);
        DrawButton(button, canvas, 0);
        const CRect ink = InkBounds(canvas, CRect(1, 1, 99, 59), ColorOf(COLOR_BTNFACE));
        const CRect rcImage(c.image, CSize(16, 16));
        CRect rcExpected = rcImage;
        if (*c.caption != L'\0')
            rcExpected.UnionRect(&rcImage, CRect(c.text, text));
        EXPECT_TRUE(CRect().IntersectRect(&ink, &rcImage));
        EXPECT_GE(ink.left, rcExpected.left);
        EXPECT_GE(ink.top, rcExpected.top);
        EXPECT_LE(ink.right, rcExpected.right);
        EXPECT_LE(ink.bottom, rcExpected.bottom);
    }

    // A centred caption wider than the room beside the image starts after the image, not over it.
    {
        ProbeButton narrow;
        ASSERT_TRUE(narrow.Create(L"Next", WS_CHILD | BS_CENTER, CRect(0, 0, 30, 60), &host, 7));
        ASSERT_TRUE(narrow.SetIcon(CSize(16, 16), 169));
        ASSERT_GT(tw, 30 - 4 - 20);
        EXPECT_EQ(20, narrow.GetTheme()->CalcTextPosition(&canvas.dc(), 0, CRect(0, 0, 30, 60), text, &narrow).x);
    }

    // Placement of the caller's own wins, whatever the alignment.
    ProbeButton placed;
    ASSERT_TRUE(placed.Create(L"Next", WS_CHILD | BS_RIGHT, CRect(0, 0, 100, 60), &host, 6));
    placed.SetLookFlags(0);
    placed.SetTextAndImagePos(CPoint(5, 6), CPoint(30, 31), FALSE);
    EXPECT_TRUE(placed.HasUserPositions());
    EXPECT_EQ(CPoint(5, 6), placed.GetTheme()->CalcImagePosition(&canvas.dc(), 0, CRect(0, 0, 100, 60), TRUE, &placed));
    EXPECT_EQ(CPoint(30, 31), placed.GetTheme()->CalcTextPosition(&canvas.dc(), 0, CRect(0, 0, 100, 60), text, &placed));
}
