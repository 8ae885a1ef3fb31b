#include <gtest/gtest.h>

#include "CXTPStandardToolTip.h"
#include "CXTPToolTipContext.h"
#include "CXTPToolTipWindow.h"
#include "TipHostWindow.h"
#include "ToolTipWindowFromPoint.h"

namespace {

// A child that asks tooltips to count its parent instead, as the edit boxes
// of a command bar do.
class UseParentChild : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TOOLTIP_USE_PARENT)
            return 1;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(ToolTipWindowFromPoint, ChildThatAsksForItsParentIsReplacedByIt)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP | WS_VISIBLE, CRect(600, 600, 800, 700),
                              nullptr, 0));
    UseParentChild asking;
    ASSERT_TRUE(asking.Create(AfxRegisterWndClass(0), L"asking", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &host, 1));
    CWnd plain;
    ASSERT_TRUE(plain.Create(AfxRegisterWndClass(0), L"plain", WS_CHILD | WS_VISIBLE, CRect(100, 0, 200, 100), &host, 2));
    PumpUntil([] { return false; }, 50);

    CXTPToolTipContext context;
    CXTPToolTipWindow own(&context);
    ASSERT_TRUE(own.Create(&host, TTS_NOPREFIX, FALSE));
    CXTPStandardToolTip standard;
    ASSERT_TRUE(standard.Create(&host, TTS_ALWAYSTIP));
    const struct {
        POINT point;
        HWND expected;
    } cases[] = {
        {{650, 650}, host.GetSafeHwnd()},
        {{750, 650}, plain.GetSafeHwnd()},
    };
    for (HWND hTip : {own.GetSafeHwnd(), standard.GetSafeHwnd()}) {
        for (const auto& c : cases) {
            POINT point = c.point;
            EXPECT_EQ(reinterpret_cast<HWND>(::SendMessageW(hTip, TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&point))),
                      c.expected)
                << (hTip == own.GetSafeHwnd() ? "own" : "standard") << " at " << point.x;
        }
    }
    standard.DestroyWindow();
    host.DestroyWindow();
}
