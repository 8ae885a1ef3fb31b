#include <gtest/gtest.h>

#include "CXTFlatComboBox.h"
#include "CXTFlatComboBoxTheme.h"
#include "CXTFlatComboBoxThemeFactory.h"
#include "CXTPColorManager.h"
#include "ControlHostWindow.h"
#include "MemoryCanvas.h"
#include "ToolkitLookData.h"

#include <memory>

namespace {

// Counts its own paints.
class CountingCombo : public CXTFlatComboBox {
public:
    int paints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        paints += message == WM_PAINT;
        return CXTFlatComboBox::WindowProc(message, wParam, lParam);
    }
};

COLORREF Colour(int nIndex)
{
    return GetColorManager()->GetColor(nIndex);
}

std::unique_ptr<CXTFlatComboBoxTheme> MakeTheme(int nTheme)
{
    CXTFlatComboBoxThemeFactory factory;
    std::unique_ptr<CXTFlatComboBoxTheme> pTheme(static_cast<CXTFlatComboBoxTheme*>(factory.MakeThemeObject(nTheme)));
    pTheme->ReloadMetrics();
    return pTheme;
}

void SendSetCursor(CWnd& wnd)
{
    wnd.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd.GetSafeHwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

} // namespace

TEST(FlatComboBox, RedrawsOnceEnteringAndOnceLeavingThenStopsItsTimer)
{
    ControlHostWindow host;
    CountingCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(20, 20, 220, 200), &host, 5));
    CRect rc;
    combo.GetWindowRect(&rc);
    controltest::MovePointer(CPoint(rc.right + 40, rc.bottom + 40));
    controltest::PumpUntil([] { return false; }, 50);
    const int paintsBefore = combo.paints;

    controltest::MovePointer(rc.CenterPoint());
    SendSetCursor(combo);
    EXPECT_TRUE(combo.IsHot());
    EXPECT_EQ(paintsBefore + 1, combo.paints);
    // Staying over it redraws nothing more while the timer keeps ticking.
    SendSetCursor(combo);
    controltest::PumpUntil([] { return false; }, 60);
    EXPECT_EQ(paintsBefore + 1, combo.paints);

    controltest::MovePointer(CPoint(rc.right + 40, rc.bottom + 40));
    ASSERT_TRUE(controltest::PumpUntil([&] { return !combo.IsHot(); }));
    EXPECT_EQ(paintsBefore + 2, combo.paints);
    EXPECT_FALSE(combo.KillTimer(CXTFlatComboBox::kHotTimer));

    // With the flat look off nothing tracks the cursor or the focus.
    combo.EnableFlatLook(FALSE);
    controltest::MovePointer(rc.CenterPoint());
    SendSetCursor(combo);
    EXPECT_FALSE(combo.IsHot());
    EXPECT_FALSE(combo.KillTimer(CXTFlatComboBox::kHotTimer));
    combo.SetFocus();
    controltest::PumpUntil([] { return false; }, 20);
    EXPECT_FALSE(combo.IsFocused());
    combo.EnableFlatLook(TRUE);
    host.SetFocus();
    combo.SetFocus();
    EXPECT_TRUE(controltest::PumpUntil([&] { return !!combo.IsFocused(); }));
}

TEST(FlatComboBox, CompletesTypedTextFromItsListAndLetsACompletionBeDeleted)
{
    ControlHostWindow host;
    CXTFlatComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL, CRect(20, 20, 220, 200), &host, 6));
    for (const wchar_t* item : {L"Calendar", L"Contacts", L"Inbox"})
        combo.AddString(item);
    combo.EnableAutoCompletion();
    HWND hEdit = ::GetWindow(combo.GetSafeHwnd(), GW_CHILD);
    ASSERT_NE(nullptr, hEdit);
    auto key = [&](WPARAM vk, wchar_t ch) {
        MSG msg{hEdit, WM_KEYDOWN, vk, 0, 0, {}};
        AfxPreTranslateMessage(&msg);
        ::SendMessageW(hEdit, WM_KEYDOWN, vk, 0);
        if (ch != 0)
            ::SendMessageW(hEdit, WM_CHAR, ch, 0);
    };
    auto type = [&](const wchar_t* text) {
        combo.SetWindowText(L"");
        for (const wchar_t* p = text; *p != 0; ++p)
            key(::VkKeyScanW(*p) & 0xFF, *p);
    };
    auto state = [&] {
        CString text;
        combo.GetWindowText(text);
        const DWORD sel = combo.GetEditSel();
        return std::make_tuple(text, int(LOWORD(sel)), int(HIWORD(sel)));
    };

    struct Case {
        const wchar_t* typed;
        const wchar_t* shown;
        int selStart, selEnd;
    } cases[] = {
        {L"Ca", L"Calendar", 2, 8},  // the letters the item adds are selected
        {L"con", L"Contacts", 3, 8}, // the list is searched without case
        {L"Cx", L"Cx", 2, 2},        // no item begins so: text and caret stay
        {L"Inbox", L"Inbox", 5, 5},
    };
    for (const Case& c : cases) {
        type(c.typed);
        EXPECT_EQ(std::make_tuple(CString(c.shown), c.selStart, c.selEnd), state()) << CString(c.typed).GetString();
    }

    // Backspace deletes the completion instead of completing again.
    type(L"Ca");
    key(VK_BACK, L'\b');
    EXPECT_TRUE(combo.IsCompletionSuppressed());
    EXPECT_EQ(std::make_tuple(CString(L"Ca"), 2, 2), state());
    // Delete as well; the next letter completes again.
    type(L"Ca");
    key(VK_DELETE, 0);
    EXPECT_EQ(std::make_tuple(CString(L"Ca"), 2, 2), state());
    key('L', L'l');
    EXPECT_FALSE(combo.IsCompletionSuppressed());
    EXPECT_EQ(std::make_tuple(CString(L"Calendar"), 3, 8), state());

    // Off, typing stays as typed.
    combo.EnableAutoCompletion(FALSE);
    type(L"Ca");
    EXPECT_EQ(std::make_tuple(CString(L"Ca"), 2, 2), state());
}

TEST(FlatComboBox, DropButtonIsTwoCharactersAndFourPixelsButNeverUnderFifteen)
{
    const int cases[][2] = {{1, 15}, {5, 15}, {6, 16}, {8, 20}, {12, 28}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], CXTFlatComboBoxTheme::DropButtonWidthFor(c[0])) << c[0];
    HDC hDC = ::GetDC(nullptr);
    const HGDIOBJ hOld = ::SelectObject(hDC, ToolkitLookData().fontNormal.GetSafeHandle());
    TEXTMETRICW tm{};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    for (int nTheme = 0; nTheme < 3; ++nTheme)
        EXPECT_EQ(CXTFlatComboBoxTheme::DropButtonWidthFor(tm.tmAveCharWidth), MakeTheme(nTheme)->GetDropButtonWidth());
}

namespace {

// A combo box drawn by a theme into a memory canvas of its client size.
struct ComboProbe {
    ControlHostWindow host;
    CXTFlatComboBox combo;
    CRect client;
    ComboProbe(DWORD dwStyle = CBS_DROPDOWN)
    {
        combo.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(20, 20, 170, 200), &host, 7);
        combo.GetClientRect(&client);
    }
    std::unique_ptr<MemoryCanvas> Draw(CXTFlatComboBoxTheme& theme, int nState)
    {
        auto canvas = std::make_unique<MemoryCanvas>(client.Width(), client.Height());
        theme.DrawFlatComboBox(&canvas->dc(), &combo, nState);
        return canvas;
    }
};

} // namespace

TEST(FlatComboBox, DisabledLooksTheSameInEveryThemeExceptTheGradientButtonFace)
{
    ComboProbe probe;
    probe.combo.EnableWindow(FALSE);
    const CRect& c = probe.client;
    for (int nTheme = 0; nTheme < 3; ++nTheme) {
        SCOPED_TRACE(nTheme);
        auto pTheme = MakeTheme(nTheme);
        auto canvas = probe.Draw(*pTheme, 0);
        const int inset = nTheme == 0 ? ::GetSystemMetrics(SM_CXEDGE) : ::GetSystemMetrics(SM_CXBORDER);
        EXPECT_EQ(Colour(52), canvas->At(0, 0));
        EXPECT_EQ(Colour(52), canvas->At(c.right - 1, c.bottom - 1));
        EXPECT_EQ(Colour(51), canvas->At(inset + 3, c.Height() / 2));
        // The drop button: its face and its arrow's tip.
        CRect button(c.right - inset - pTheme->GetDropButtonWidth() + (nTheme == 0 ? 4 : 2), inset, c.right - inset,
                     c.bottom - inset);
        EXPECT_EQ(nTheme == 2 ? Colour(51) : Colour(COLOR_BTNFACE), canvas->At(button.left + 2, button.top + 2));
        const int x = (button.left + button.right - 4) / 2;
        const int y = (button.top + button.bottom - 2) / 2;
        EXPECT_EQ(Colour(COLOR_BTNSHADOW), canvas->At(x + 2, y + 2));
        EXPECT_EQ(Colour(COLOR_BTNSHADOW), canvas->At(x, y));
    }
}

TEST(FlatComboBox, FramesAndDropButtonsOfEachThemeAndState)
{
    ComboProbe probe;
    const CRect& c = probe.client;
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF scheme32 = GetColorManager()->GetSchemeOrStandardColor(32);
    struct Case {
        int theme, state;
        COLORREF topLeft, bottomRight, face;
    } cases[] = {
        {0, 0, white, white, Colour(COLOR_BTNFACE)},
        {0, 2, Colour(COLOR_BTNSHADOW), Colour(COLOR_BTNHIGHLIGHT), Colour(COLOR_BTNFACE)},
        {0, 3, Colour(COLOR_BTNSHADOW), Colour(COLOR_BTNHIGHLIGHT), Colour(COLOR_BTNFACE)},
        {1, 0, Colour(51), Colour(51), Colour(COLOR_BTNFACE)},
        {1, 2, Colour(32), Colour(32), Colour(31)},
        {1, 3, Colour(32), Colour(32), Colour(33)},
        {2, 0, white, white, COLORREF(-1)},
        {2, 2, scheme32, scheme32, COLORREF(-1)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "theme " << k.theme << " state " << k.state);
        auto pTheme = MakeTheme(k.theme);
        auto canvas = probe.Draw(*pTheme, k.state);
        EXPECT_EQ(k.topLeft, canvas->At(0, 0));
        EXPECT_EQ(k.bottomRight, canvas->At(c.right - 1, c.bottom - 1));
        const int inset = k.theme == 0 ? ::GetSystemMetrics(SM_CXEDGE) : ::GetSystemMetrics(SM_CXBORDER);
        EXPECT_EQ(Colour(COLOR_WINDOW), canvas->At(inset + 3, c.Height() / 2));
        CRect button(c.right - inset - pTheme->GetDropButtonWidth() + (k.theme == 0 ? 4 : 2), inset, c.right - inset,
                     c.bottom - inset);
        if (k.face != COLORREF(-1)) {
            EXPECT_EQ(k.face, canvas->At(button.left + 2, button.top + 2));
        }
        // Highlight themes mark the pressed or hot button off by a line.
        if (k.theme > 0 && k.state > 0) {
            EXPECT_EQ(k.theme == 1 ? Colour(32) : scheme32, canvas->At(button.left - 1, c.Height() / 2));
        }
        // The arrow in the window text colour; in theme 0 it moves while pressed.
        const int shift = k.theme == 0 && k.state == 3 ? 1 : 0;
        const int x = (button.left + button.right - 4) / 2 + shift;
        const int y = (button.top + button.bottom - 2) / 2 + shift;
        EXPECT_EQ(Colour(COLOR_WINDOWTEXT), canvas->At(x, y));
        EXPECT_EQ(Colour(COLOR_WINDOWTEXT), canvas->At(x + 2, y + 2));
        EXPECT_NE(Colour(COLOR_WINDOWTEXT), canvas->At(x + 1, y + 2));
    }
}

TEST(FlatComboBox, ListOnlyTextAreaTakesItsBackgroundOrTheWindowColour)
{
    ComboProbe probe(CBS_DROPDOWNLIST);
    auto pTheme = MakeTheme(1);
    const CPoint inText(6, probe.client.Height() / 2);
    EXPECT_EQ(Colour(COLOR_WINDOW), probe.Draw(*pTheme, 0)->At(inText.x, inText.y));
    probe.combo.SetBackgroundColor(RGB(10, 200, 30));
    EXPECT_EQ(RGB(10, 200, 30), probe.Draw(*pTheme, 0)->At(inText.x, inText.y));
}
