// The default tool hit test and the tooltip flag of a window.
#include <gtest/gtest.h>

#include "Framework.h"

TEST(ToolHitTest, FindsTheVisibleChildUnderThePointAsAWholeWindowTool)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
    CWnd child;
    ASSERT_TRUE(child.Create(AfxRegisterWndClass(0), L"child", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &parent,
                             1234));
    CWnd hidden;
    ASSERT_TRUE(hidden.Create(AfxRegisterWndClass(0), L"hidden", WS_CHILD, CRect(100, 10, 150, 40), &parent, 99));

    TOOLINFO ti{};
    ti.cbSize = TTTOOLINFOW_V1_SIZE;
    EXPECT_EQ(parent.OnToolHitTest(CPoint(20, 20), &ti), 1234);
    EXPECT_EQ(ti.hwnd, parent.GetSafeHwnd());
    EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(child.GetSafeHwnd()));
    EXPECT_NE(ti.uFlags & TTF_IDISHWND, 0u);
    EXPECT_EQ(ti.lpszText, LPSTR_TEXTCALLBACKW);
    EXPECT_EQ(parent.OnToolHitTest(CPoint(20, 20), nullptr), 1234);
    // Over the parent itself and over a hidden child: no tool.
    EXPECT_EQ(parent.OnToolHitTest(CPoint(80, 80), nullptr), -1);
    EXPECT_EQ(parent.OnToolHitTest(CPoint(120, 20), nullptr), -1);
    parent.DestroyWindow();
}

TEST(ToolHitTest, EnableToolTipsSetsTheFlagAndAnswersThePreviousState)
{
    CWnd window;
    EXPECT_FALSE(window.EnableToolTips(TRUE));
    EXPECT_NE(window.m_nFlags & WF_TOOLTIPS, 0u);
    EXPECT_TRUE(window.EnableToolTips(FALSE));
    EXPECT_EQ(window.m_nFlags & WF_TOOLTIPS, 0u);
}
