#include <gtest/gtest.h>

#include "HoverBitmapButton.h"
#include "MessagePump.h"
#include "OptionButton.h"
#include "WindowCapture.h"

namespace {

// Parent window that counts the clicks and option messages of its buttons.
class ButtonParent : public CWnd {
public:
    int clicks = 0;
    WPARAM optionWParam = 99;
    LPARAM optionLParam = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            ++clicks;
        if (message == WM_USER + 106) {
            optionWParam = wParam;
            optionLParam = lParam;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

TEST(HoverBitmapButtonTest, PicturesByStateAndMissingBitmap)
{
    ButtonParent parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    HoverBitmapButton button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 70, 70), &parent, 4));
    EXPECT_EQ(1, button.SetBitmaps(9999, 0xFFFFFF, 0, 0xFFFFFF, 0));
    EXPECT_EQ(-1, button.PictureToDraw(FALSE, FALSE));
    ASSERT_EQ(0, button.SetBitmaps(161, 0xFFFFFF, 154, 0xFFFFFF, 0));
    EXPECT_EQ(1, button.PictureToDraw(FALSE, FALSE));   // normal
    EXPECT_EQ(0, button.PictureToDraw(TRUE, FALSE));    // pressed shows the hover picture
    EXPECT_EQ(-1, button.PictureToDraw(FALSE, TRUE));   // disabled without its picture: background only
    ASSERT_EQ(0, button.SetBitmaps(157, 0xFFFFFF, 155, 0xFFFFFF, 158));
    EXPECT_EQ(2, button.PictureToDraw(FALSE, TRUE));

    // The colour key lets the background through; the picture's disc shows.
    button.RedrawWindow();
    testsupport::PumpMessages(100);
    auto shot = testsupport::WindowCapture::FromWindow(button.GetSafeHwnd(), true);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), shot.At(2, 2));
    EXPECT_EQ(RGB(0, 120, 215), shot.At(30, 30));

    // A double click acts as two clicks.
    for (UINT message : {UINT(WM_LBUTTONDOWN), UINT(WM_LBUTTONUP), UINT(WM_LBUTTONDBLCLK), UINT(WM_LBUTTONUP)}) {
        MSG msg{button.GetSafeHwnd(), message, MK_LBUTTON, MAKELPARAM(20, 20), 0, {}};
        if (!button.PreTranslateMessage(&msg))
            ::DispatchMessageW(&msg);
    }
    testsupport::PumpMessages(50);
    EXPECT_EQ(2, parent.clicks);
    parent.DestroyWindow();
}

TEST(HoverBitmapButtonTest, OptionButtonReportsAndFlipsItsState)
{
    ButtonParent parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
    OptionButton option;
    ASSERT_TRUE(option.Create(L"Single", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 80, 20), &parent, 9));
    option.m_nOption = 2;
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), reinterpret_cast<LPARAM>(option.GetSafeHwnd()));
    EXPECT_EQ(1u, parent.optionWParam);
    EXPECT_EQ(2, parent.optionLParam);
    parent.DestroyWindow();
}
