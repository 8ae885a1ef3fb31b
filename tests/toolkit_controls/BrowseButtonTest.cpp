#include <gtest/gtest.h>

#include "ButtonTestHost.h"
#include "CXTBrowseButton.h"
#include "CXTBrowseEdit.h"
#include "CXTPImageManagerIcon.h"
#include "ToolkitLookData.h"

namespace {

// An edit that counts the browses its button asks for.
class CountingEdit : public CXTBrowseEdit {
public:
    void RunBrowseAction() override { ++browses; }
    int browses = 0;
};

struct BrowseButtonFixture : ::testing::Test {
    ToolkitTestWindow host{0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 120)};
    CountingEdit edit;
    void SetUp() override
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 32), &host, 1));
    }
};

} // namespace

TEST_F(BrowseButtonFixture, ShowsDotsOrThePopupArrowAndStartsLikeItsEdit)
{
    const struct {
        const char* name;
        DWORD browseStyle;
        BOOL editEnabled;
        BOOL editVisible;
        const wchar_t* caption;
        BOOL hasIcon;
    } cases[] = {
        {"folder", 0x01, TRUE, TRUE, L"...", FALSE},
        {"file, disabled edit", 0x02, FALSE, TRUE, L"...", FALSE},
        {"popup menu, hidden edit", 0x04, TRUE, FALSE, L"", TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit.EnableWindow(c.editEnabled);
        edit.ShowWindow(c.editVisible ? SW_SHOW : SW_HIDE);
        CXTBrowseButton button;
        ASSERT_TRUE(button.Create(&edit, c.browseStyle, CXTBrowseButton::kControlId, 9014, 0));
        EXPECT_EQ(host.GetSafeHwnd(), ::GetParent(button.GetSafeHwnd()));
        EXPECT_EQ(c.editEnabled, button.IsWindowEnabled());
        EXPECT_EQ(c.editVisible, (button.GetStyle() & WS_VISIBLE) != 0);
        EXPECT_EQ(DWORD(BS_OWNERDRAW), button.GetStyle() & 0xFF);
        EXPECT_EQ(DWORD(BS_CENTER | BS_VCENTER | WS_TABSTOP), button.GetStyle() & (BS_CENTER | BS_VCENTER | WS_TABSTOP));
        EXPECT_STREQ(c.caption, button.GetButtonText(FALSE));
        EXPECT_EQ(DWORD(BS_XT_SHOWFOCUS | BS_XT_WINXP_COMPAT), button.GetLookFlags());
        EXPECT_EQ(0, button.GetBorderGap());
        EXPECT_EQ(c.hasIcon, button.GetIcon() != nullptr);
        if (c.hasIcon)
            EXPECT_EQ(CSize(10, 10), button.GetImageSize());
        else
            EXPECT_EQ(ToolkitLookData().fontNormal.GetSafeHandle(), reinterpret_cast<HGDIOBJ>(button.SendMessage(WM_GETFONT)));
        EXPECT_EQ(9014u, button.GetMenuID());
    }
}

TEST_F(BrowseButtonFixture, ClickEnterAndSpaceAskTheEditToBrowse)
{
    CXTBrowseButton button;
    ASSERT_TRUE(button.Create(&edit, 0x01, CXTBrowseButton::kControlId));
    button.MoveWindow(204, 10, 20, 22);
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, edit.browses);

    CWnd* pButton = &button;
    const struct {
        UINT message;
        WPARAM key;
        BOOL consumed;
    } keys[] = {{WM_KEYDOWN, VK_RETURN, TRUE}, {WM_KEYDOWN, VK_SPACE, TRUE}, {WM_KEYDOWN, 'A', FALSE},
                {WM_KEYUP, VK_RETURN, FALSE}};
    int expected = 1;
    for (const auto& k : keys) {
        MSG msg{button.GetSafeHwnd(), k.message, k.key, 0, 0, {}};
        EXPECT_EQ(k.consumed, pButton->PreTranslateMessage(&msg)) << k.key;
        expected += k.consumed ? 1 : 0;
        EXPECT_EQ(expected, edit.browses);
    }
}

TEST_F(BrowseButtonFixture, DisabledPopupArrowIsDrawnGreyed)
{
    CXTBrowseButton button;
    ASSERT_TRUE(button.Create(&edit, 0x04, CXTBrowseButton::kControlId));
    button.MoveWindow(204, 10, 20, 22);
    MemoryCanvas canvas(20, 22);
    DrawButton(button, canvas, 0);
    const CRect inside(2, 2, 18, 20);
    const int black = canvas.Count(inside, RGB(0, 0, 0));
    EXPECT_GT(black, 5);
    DrawButton(button, canvas, ODS_DISABLED);
    EXPECT_EQ(0, canvas.Count(inside, RGB(0, 0, 0)));
    EXPECT_GT(canvas.Count(inside, ColorOf(COLOR_BTNSHADOW)), 5);
}
