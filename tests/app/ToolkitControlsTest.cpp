#include <gtest/gtest.h>

#include <algorithm>

#include "CXTButton.h"
#include "CXTCaption.h"
#include "CXTTabWindow.h"
#include "MessagePump.h"
#include "WindowCapture.h"

namespace {

// Parent that records the last command it received.
class CommandParent : public CWnd {
public:
    WPARAM lastCommand = 0;
    LPARAM lastSender = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND) {
            lastCommand = wParam;
            lastSender = lParam;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CRect RectInParent(CWnd& child)
{
    CRect rc;
    child.GetWindowRect(&rc);
    child.GetParent()->ScreenToClient(&rc);
    return rc;
}

} // namespace

TEST(CaptionTest, CloseButtonSendsTheCaptionsCommandToItsOwner)
{
    CommandParent parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 60), nullptr, 0));
    CXTCaption caption;
    ASSERT_TRUE(caption.Create(&parent, L"Folders", CXTCaption::CaptionCloseButton, WS_CHILD | WS_VISIBLE,
                               CRect(0, 0, 300, 24), 321));
    CWnd* pButton = caption.GetDlgItem(CXTCaption::kButtonId);
    ASSERT_NE(nullptr, pButton);
    EXPECT_EQ(CRect(300 - 18, (24 - 15) / 2, 298, (24 - 15) / 2 + 15), RectInParent(*pButton));
    pButton->SendMessage(BM_CLICK);
    testsupport::PumpMessages(20);
    EXPECT_EQ(MAKEWPARAM(321, BN_CLICKED), parent.lastCommand);
    EXPECT_EQ(reinterpret_cast<LPARAM>(caption.GetSafeHwnd()), parent.lastSender);
    EXPECT_EQ(nullptr, caption.GetPopup());

    // Without the close style the button shows the caption's text, hidden until
    // the caption is given a child to show.
    CXTCaption plain;
    ASSERT_TRUE(plain.Create(&parent, L"", 0, WS_CHILD | WS_VISIBLE, CRect(0, 30, 300, 54), 322));
    ASSERT_NE(nullptr, plain.GetDlgItem(CXTCaption::kButtonId));
    EXPECT_FALSE(plain.GetDlgItem(CXTCaption::kButtonId)->IsWindowVisible());
    EXPECT_TRUE(plain.HasTextButton());
    parent.DestroyWindow();
}

TEST(CaptionTest, UserColoursSurviveASystemColourChange)
{
    CommandParent parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 300, 60), nullptr, 0));
    CXTCaption system, user;
    ASSERT_TRUE(system.Create(&parent, L"a", 0, WS_CHILD, CRect(0, 0, 100, 20), 1));
    ASSERT_TRUE(user.Create(&parent, L"b", 0, WS_CHILD, CRect(0, 20, 100, 40), 2));
    user.ApplyCaptionColors(0xEFFEFF, 0xEFFEFF, 0x0000FF);
    for (CXTCaption* pCaption : {&system, &user})
        pCaption->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), system.GetBorderColor());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), system.GetFaceColor());
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), system.GetTextColor());
    EXPECT_EQ(0xEFFEFFu, user.GetBorderColor());
    EXPECT_EQ(0xEFFEFFu, user.GetFaceColor());
    EXPECT_EQ(0x0000FFu, user.GetTextColor());
    EXPECT_EQ(16, CXTCaption::CappedIconExtent(20));
    EXPECT_EQ(14, CXTCaption::CappedIconExtent(14));
    parent.DestroyWindow();
}

TEST(CaptionTest, TextRectangleKeepsRoomForTheIcon)
{
    CommandParent parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 300, 60), nullptr, 0));
    CXTCaption caption;
    ASSERT_TRUE(caption.Create(&parent, L"", 0, WS_CHILD, CRect(0, 0, 120, 30), 1));
    EXPECT_TRUE(caption.GetTextRect().IsRectEmpty());
    caption.ConfigureCaption(2, nullptr, L"Short", nullptr);
    const CRect rcShort = caption.GetTextRect();
    EXPECT_EQ(CRect(2, 2, rcShort.right, 28), rcShort);
    EXPECT_LT(rcShort.right, 120);
    // A long text is cut at the client width, less the icon's place when there is one.
    caption.ConfigureCaption(0, nullptr, L"Saving Complete , Click Next button to convert another file", nullptr);
    EXPECT_EQ(2 + 120, caption.GetTextRect().right);
    caption.ConfigureCaption(0, nullptr, nullptr, ::LoadIconW(nullptr, IDI_INFORMATION));
    EXPECT_EQ(2 + 120 - 18, caption.GetTextRect().right);
    parent.DestroyWindow();
}

TEST(CaptionTest, ChangeCaptionNowPaintsAtOnceAndFromAWorkerThread)
{
    CommandParent parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 60), nullptr, 0));
    CXTCaption caption;
    ASSERT_TRUE(caption.Create(&parent, L"", 0, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 40), 0xFFFF));
    caption.ApplyCaptionColors(0xEFFEFF, 0xEFFEFF, 0x0000FF);
    testsupport::PumpMessages(50);
    const RECT whole{0, 0, 400, 40};
    auto redPixels = [&] {
        ::GdiFlush();
        testsupport::PumpMessages(30); // lets Wine put the window's surface on the screen
        auto shot = testsupport::WindowCapture::FromWindow(caption.GetSafeHwnd(), true);
        EXPECT_TRUE(shot.IsMostlyColor(whole, 0xEFFEFF, 0.7));
        return shot.CountPixels(whole, [](COLORREF c) { return GetRValue(c) > 0xA0 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60; });
    };
    EXPECT_EQ(0, redPixels());
    // On the UI thread it paints without invalidating: no repaint message is needed.
    caption.ChangeCaptionNow(L"Initializing saving .. please wait...", nullptr);
    EXPECT_GT(redPixels(), 20);
    caption.ChangeCaptionNow(L"", nullptr);
    EXPECT_EQ(0, redPixels());

    // From the program's kind of worker thread.
    CWorkerThread worker;
    ASSERT_TRUE(worker.Start([&caption] {
        caption.ChangeCaptionNow(L"Please wait while initializing saving...", nullptr);
        return 0u;
    }));
    ASSERT_TRUE(worker.Join());
    // The worker handed the change to the caption's thread, which applies it from its queue.
    testsupport::PumpMessages();
    EXPECT_STREQ(L"Please wait while initializing saving...", caption.GetCaptionText());
    testsupport::PumpMessages(50);
    EXPECT_GT(redPixels(), 20);
    parent.DestroyWindow();
}


TEST(ButtonTest, DrawsItsIconBesideTheTextAndStaysOwnerDrawn)
{
    CommandParent parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 260, 40), nullptr, 0));
    CXTButton plain, withIcon;
    ASSERT_TRUE(plain.Create(L"Next", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(0, 0, 100, 30), &parent, 1));
    ASSERT_TRUE(withIcon.Create(L"Next", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(120, 0, 220, 30), &parent, 2));
    EXPECT_FALSE(withIcon.SetIcon(CSize(16, 16), 9999));
    ASSERT_TRUE(withIcon.SetIcon(CSize(16, 16), 169));
    for (CXTButton* pButton : {&plain, &withIcon}) {
        EXPECT_EQ(DWORD(BS_OWNERDRAW), pButton->GetStyle() & BS_TYPEMASK);
        EXPECT_TRUE(pButton->GetStyle() & WS_TABSTOP);
    }
    auto colourful = [](const CXTButton& button) {
        ::GdiFlush();
        testsupport::PumpMessages(50);
        auto shot = testsupport::WindowCapture::FromWindow(button.GetSafeHwnd(), true);
        const RECT all{0, 0, shot.Width(), shot.Height()};
        return shot.CountPixels(all, [](COLORREF c) {
            const int hi = std::max({GetRValue(c), GetGValue(c), GetBValue(c)});
            const int lo = std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
            return hi - lo > 60;
        });
    };
    withIcon.RedrawWindow();
    plain.RedrawWindow();
    EXPECT_EQ(0, colourful(plain));
    EXPECT_GT(colourful(withIcon), 40);
    auto shot = testsupport::WindowCapture::FromWindow(plain.GetSafeHwnd(), true);
    EXPECT_TRUE(shot.HasTextLikePixels(RECT{20, 5, 80, 25}, 10));
    parent.DestroyWindow();
}

namespace {

// Owner of a tab window: counts its selection notifications.
class TabOwner : public CWnd {
public:
    int selChanges = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(TCN_SELCHANGE)
            && reinterpret_cast<NMHDR*>(lParam)->idFrom == 100)
            ++selChanges;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(TabWindowTest, PagesShowOneAtATimeAndAHeaderAtTheBottomLeavesThePageTheTop)
{
    TabOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    CXTTabWindow tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 300, 200), &owner, 100));
    CWnd pages[3];
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(pages[i].CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &tabs, 200 + i));
    const auto selected = [&tabs] {
        return tabs.CurrentSelection() != nullptr ? tabs.CurrentSelection()->GetIndex() : -1;
    };

    // Items added behind index 0 select nothing and stay hidden.
    tabs.InsertItem(1, L"Folder Selection", pages[1].GetSafeHwnd(), 58);
    EXPECT_EQ(-1, selected());
    EXPECT_FALSE(pages[1].GetStyle() & WS_VISIBLE);
    EXPECT_EQ(0, owner.selChanges);
    tabs.InsertItem(0, L"", pages[0].GetSafeHwnd(), 58);
    tabs.InsertItem(2, L"Savinf Progress", pages[2].GetSafeHwnd(), 58);
    EXPECT_EQ(0, selected());
    EXPECT_EQ(1, owner.selChanges);
    EXPECT_EQ(pages[1].GetSafeHwnd(), tabs.ItemAtIndex(1)->GetHandle());
    EXPECT_EQ(2, tabs.ItemAtIndex(2)->GetIndex());

    // With the header on top the page sits under it; the wizard's way, hidden
    // headers at the bottom, leaves the page the top of the window.
    CRect rcPage;
    pages[0].GetWindowRect(&rcPage);
    tabs.ScreenToClient(&rcPage);
    EXPECT_GE(rcPage.top, tabs.GetHeaderRect().bottom - 1);
    EXPECT_EQ(0, tabs.GetHeaderRect().top);
    for (int i = 0; i < tabs.CountItems(); ++i)
        tabs.ItemAtIndex(i)->SetIntProperty(FALSE);
    tabs.SetPaintOption(xtpTabPositionBottom);
    pages[0].GetWindowRect(&rcPage);
    tabs.ScreenToClient(&rcPage);
    EXPECT_LE(rcPage.top, 2);
    EXPECT_LE(rcPage.bottom, tabs.GetHeaderRect().top + 1);
    EXPECT_EQ(200, tabs.GetHeaderRect().bottom);

    tabs.SetCurSel(2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i == 2, (pages[i].GetStyle() & WS_VISIBLE) != 0) << i;
    CRect rcPage2;
    pages[2].GetWindowRect(&rcPage2);
    tabs.ScreenToClient(&rcPage2);
    EXPECT_EQ(rcPage, rcPage2);
    // Selecting the selected item again notifies again and keeps its page shown.
    tabs.SetCurSel(2);
    EXPECT_EQ(3, owner.selChanges);
    EXPECT_TRUE(pages[2].GetStyle() & WS_VISIBLE);

    // Indices past either end select the nearest item: some page always shows.
    tabs.SetCurSel(0);
    tabs.SetCurSel(7);
    EXPECT_EQ(2, selected());
    EXPECT_TRUE(pages[2].GetStyle() & WS_VISIBLE);
    tabs.SetCurSel(-3);
    EXPECT_EQ(0, selected());
    EXPECT_TRUE(pages[0].GetStyle() & WS_VISIBLE);
    owner.DestroyWindow();
}
