// The tab window in real windows: pages shown one at a time, the selection
// notification, focus, the close button, tooltips and icons.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "CXTPImageManager.h"
#include "CXTTabWindow.h"
#include "ImageTestHelpers.h"
#include "MemoryCanvas.h"
#include "MessagePump.h"
#include "TestPaths.h"
#include "ThemedRun.h"
#include "WindowCapture.h"

namespace {

constexpr UINT kTabsId = 100;

// Counts the tab window's selection notifications.
class TabOwner : public CWnd {
public:
    int selChanges = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(TCN_SELCHANGE)
            && reinterpret_cast<NMHDR*>(lParam)->idFrom == kTabsId)
            ++selChanges;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A page with a label (no tab stop) and two edits; counts how often it is shown.
class Page : public CWnd {
public:
    int shows = 0;
    CWnd label, first, second;

    void Make(CWnd* pParent, UINT nID)
    {
        ASSERT_TRUE(CreateEx(WS_EX_CONTROLPARENT, L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pParent,
                             nID));
        ASSERT_TRUE(label.CreateEx(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), this, 1));
        ASSERT_TRUE(first.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 20, 50, 40), this, 2));
        ASSERT_TRUE(second.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 40, 50, 60), this, 3));
    }
    bool Visible() const { return (GetStyle() & WS_VISIBLE) != 0; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SHOWWINDOW && wParam)
            ++shows;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// An owner window with a tab window filling it and three pages not yet inserted.
class TabWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { Make(600); }

    void Make(int width)
    {
        ASSERT_TRUE(m_owner.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, width, 300), nullptr, 0));
        ASSERT_TRUE(m_tabs.Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, CRect(0, 0, width, 300),
                                  &m_owner, kTabsId));
        for (int i = 0; i < 3; ++i)
            m_pages[i].Make(&m_tabs, 200 + i);
        ::SetForegroundWindow(m_owner.GetSafeHwnd());
        ::SetActiveWindow(m_owner.GetSafeHwnd());
        testsupport::PumpMessages();
    }

    void InsertAll()
    {
        for (int i = 0; i < 3; ++i) {
            CString strCaption;
            strCaption.Format(L"Page &%d", i + 1);
            m_tabs.InsertItem(i, strCaption, m_pages[i].GetSafeHwnd(), -1);
        }
    }

    CPoint TabCentre(int nIndex) const { return m_tabs.ItemAtIndex(nIndex)->GetRect().CenterPoint(); }

    void Click(CPoint pt)
    {
        m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }

    void ExpectShown(int nIndex)
    {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(i == nIndex, m_pages[i].Visible()) << "page " << i;
    }

    TabOwner m_owner;
    CXTTabWindow m_tabs;
    Page m_pages[3];
};

} // namespace

TEST_F(TabWindowFixture, TheTabInsertedAtZeroIsSelectedAndOnlyItsPageShowsInThePageArea)
{
    // Tabs inserted behind index 0 select nothing and their pages hide at once.
    m_tabs.InsertItem(1, L"Second", m_pages[1].GetSafeHwnd(), -1);
    m_tabs.InsertItem(2, L"Third", m_pages[2].GetSafeHwnd(), -1);
    EXPECT_EQ(nullptr, m_tabs.CurrentSelection());
    EXPECT_FALSE(m_pages[1].Visible());
    EXPECT_FALSE(m_pages[2].Visible());
    EXPECT_EQ(0, m_owner.selChanges);

    m_tabs.InsertItem(0, L"First", m_pages[0].GetSafeHwnd(), -1);
    ASSERT_NE(nullptr, m_tabs.CurrentSelection());
    EXPECT_EQ(0, m_tabs.CurrentSelection()->GetIndex());
    ExpectShown(0);
    EXPECT_EQ(1, m_owner.selChanges);

    // The page fills what the paint manager leaves of the window under the header.
    CRect rcExpected;
    m_tabs.CWnd::GetClientRect(&rcExpected);
    m_tabs.GetPaintManager()->ReduceToClientRect(&m_tabs, rcExpected);
    CRect rcPage;
    m_pages[0].GetWindowRect(&rcPage);
    m_tabs.ScreenToClient(&rcPage);
    EXPECT_EQ(rcExpected, rcPage);
    EXPECT_GE(rcPage.top, m_tabs.GetHeaderRect().bottom - 1);

    m_tabs.SetCurSel(2);
    ExpectShown(2);
    EXPECT_EQ(2, m_owner.selChanges);
    m_pages[2].GetWindowRect(&rcPage);
    m_tabs.ScreenToClient(&rcPage);
    EXPECT_EQ(rcExpected, rcPage);

    // Selecting the selected tab again notifies again but leaves its page as it is.
    const int nShows = m_pages[2].shows;
    m_tabs.SetCurSel(2);
    EXPECT_EQ(3, m_owner.selChanges);
    EXPECT_EQ(nShows, m_pages[2].shows);
    ExpectShown(2);
}

TEST_F(TabWindowFixture, SelectingByMouseOrKeyMovesTheFocusIntoThePageOnlyWhenItIsElsewhere)
{
    InsertAll();
    ::SetFocus(m_owner.GetSafeHwnd());
    Click(TabCentre(1));
    ExpectShown(1);
    // The page's first tab stop, not its label.
    EXPECT_EQ(m_pages[1].first.GetSafeHwnd(), ::GetFocus());

    // Focus already inside the page stays where it is.
    ::SetFocus(m_pages[1].second.GetSafeHwnd());
    m_tabs.SelectItem(m_tabs.ItemAtIndex(1));
    EXPECT_EQ(m_pages[1].second.GetSafeHwnd(), ::GetFocus());

    // A click on the selected tab of a tab-stop window focuses the window; keys
    // then move the selection while the focus stays on the tabs.
    Click(TabCentre(1));
    EXPECT_EQ(m_tabs.GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(static_cast<LRESULT>(DLGC_WANTARROWS), m_tabs.SendMessage(WM_GETDLGCODE));
    m_tabs.SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(2, m_tabs.CurrentSelection()->GetIndex());
    ExpectShown(2);
    EXPECT_EQ(m_tabs.GetSafeHwnd(), ::GetFocus());
    m_tabs.SendMessage(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(0, m_tabs.CurrentSelection()->GetIndex());
}

TEST_F(TabWindowFixture, TheCloseButtonDeletesTheSelectedTabAndShowsTheNextPage)
{
    InsertAll();
    CXTPTabNavigateButton* pClose = m_tabs.FindNavigateButton(xtpTabNavigateButtonClose);
    pClose->SetFlags(xtpTabNavigateButtonAlways);
    m_tabs.Reposition();
    ASSERT_FALSE(pClose->GetRect().IsRectEmpty());
    const auto clickClose = [&] {
        const CPoint pt = pClose->GetRect().CenterPoint();
        m_tabs.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        Click(pt);
    };

    m_tabs.SetCurSel(1);
    clickClose();
    ASSERT_EQ(2, m_tabs.CountItems());
    // The tab now at that index, the former third.
    EXPECT_EQ(m_pages[2].GetSafeHwnd(), m_tabs.CurrentSelection()->GetHandle());
    ExpectShown(2);

    // Closing the last tab selects the new last one.
    clickClose();
    ASSERT_EQ(1, m_tabs.CountItems());
    EXPECT_EQ(m_pages[0].GetSafeHwnd(), m_tabs.CurrentSelection()->GetHandle());
    ExpectShown(0);

    clickClose();
    EXPECT_EQ(0, m_tabs.CountItems());
    EXPECT_EQ(nullptr, m_tabs.CurrentSelection());
    ExpectShown(-1);
    // Without a selection the close button has nothing to act on.
    clickClose();
    EXPECT_EQ(0, m_tabs.CountItems());
}

TEST_F(TabWindowFixture, TooltipsShowOnlyForShortenedTabs)
{
    m_tabs.GetPaintManager()->SetLayout(xtpTabLayoutSizeToFit);
    for (int i = 0; i < 3; ++i) {
        CXTPTabManagerItem* pItem = m_tabs.InsertItem(i, L"A rather long caption for a tab",
                                                      m_pages[i].GetSafeHwnd(), -1);
        pItem->SetToolTip(L"The whole story");
    }
    struct Case {
        int nWidth;
        bool bTip;
    };
    for (const Case c : {Case{200, true}, Case{1200, false}}) {
        m_owner.MoveWindow(0, 0, c.nWidth, 300);
        m_tabs.MoveWindow(0, 0, c.nWidth, 300);
        CXTPTabManagerItem* pItem = m_tabs.ItemAtIndex(1);
        EXPECT_EQ(c.bTip, pItem->GetLength() < pItem->GetWantedLength()) << c.nWidth;
        TOOLINFO ti{};
        ti.cbSize = sizeof(ti);
        const INT_PTR nHit = m_tabs.OnToolHitTest(pItem->GetRect().CenterPoint(), &ti);
        if (c.bTip) {
            EXPECT_EQ(1, nHit);
            ASSERT_NE(nullptr, ti.lpszText);
            EXPECT_STREQ(L"The whole story", ti.lpszText);
            EXPECT_EQ(pItem->GetRect(), CRect(ti.rect));
            EXPECT_EQ(m_tabs.GetSafeHwnd(), ti.hwnd);
            std::free(ti.lpszText);
        } else {
            EXPECT_EQ(-1, nHit) << c.nWidth;
        }
    }
}

TEST_F(TabWindowFixture, TabIconsComeFromTheWindowsImageManager)
{
    const COLORREF red = RGB(255, 0, 0);
    HICON hIcon = MakeSolidIcon(16, 16, red);
    ASSERT_TRUE(m_tabs.GetImageManager()->StoreCommandImage(CXTPImageManagerIconHandle(hIcon), 5, 16, 16));
    const int images[] = {5, -1, 7};   // 7: no image of that id
    for (int i = 0; i < 3; ++i)
        m_tabs.InsertItem(i, L"Icon tab", m_pages[i].GetSafeHwnd(), images[i]);
    CRect rc;
    m_tabs.CWnd::GetClientRect(&rc);
    MemoryCanvas canvas(rc.Width(), rc.Height());
    m_tabs.GetPaintManager()->PaintTabControl(&m_tabs, &canvas.dc(), rc);
    for (int i = 0; i < 3; ++i) {
        const int nRed = canvas.Count(m_tabs.ItemAtIndex(i)->GetRect(), red);
        if (images[i] == 5)
            EXPECT_EQ(16 * 16, nRed);
        else
            EXPECT_EQ(0, nRed) << i;
    }
    // The window as it shows, with the close button, saved to be looked at.
    m_tabs.FindNavigateButton(xtpTabNavigateButtonClose)->SetFlags(xtpTabNavigateButtonAlways);
    m_tabs.Reposition();
    m_tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(testsupport::WindowCapture::FromWindow(m_tabs.GetSafeHwnd(), true)
                    .SavePng(testsupport::TestOutputPath(std::wstring(L"tab-window-") + RunName() + L".png")));

    // Icons switched off draw none and take no room.
    const int nLength = m_tabs.ItemAtIndex(0)->GetLength();
    m_tabs.GetPaintManager()->m_bShowIcons = FALSE;
    m_tabs.Reposition();
    EXPECT_EQ(nLength - 16, m_tabs.ItemAtIndex(0)->GetLength());
    ::DestroyIcon(hIcon);
}
