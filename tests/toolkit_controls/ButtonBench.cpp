// Repaints of a themed button with an icon: the time of 1,000 repaints (goal
// under a second) and the GDI objects the framework's wrappers hold before and
// after, which must be the same. Run on demand under Wine and Xvfb.
#include <cstdio>

#include "CXTButton.h"
#include "CClientDC.h"
#include "CXTButtonThemeFactory.h"
#include "GdiObjectCounter.h"
#include "MessagePump.h"
#include "ToolkitLookData.h"

namespace {

class BenchWindow : public CWnd {
public:
    BenchWindow() { CreateEx(0, AfxRegisterWndClass(0), L"button bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 100), nullptr, 0); }
    ~BenchWindow() override { DestroyWindow(); }
};

} // namespace

int main()
{
    constexpr int kRepaints = 1000;
    BenchWindow host;
    int failures = 0;
    for (int nTheme = 0; nTheme < 3; ++nTheme) {
        CXTButton button;
        button.Create(L"Next", WS_CHILD | WS_VISIBLE | BS_CENTER, CRect(10, 10, 130, 40), &host, 1);
        button.SetFont(&ToolkitLookData().fontNormal);
        button.SetLookFlags(BS_XT_SHOWFOCUS, FALSE);
        button.InstallTheme(CXTButtonThemeFactory().MakeThemeObject(nTheme));
        button.SetIcon(CSize(16, 16), 169);
        // Hot, under the pointer: the fills and images of the hot look. One repaint
        // first builds what is made once (derived images).
        ::SetCursorPos(60, 25);
        button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(50, 15));
        button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        testsupport::PumpMessages();
        const long heldBefore = GdiObjectCounter::Held();
        LARGE_INTEGER frequency, start, end;
        ::QueryPerformanceFrequency(&frequency);
        ::QueryPerformanceCounter(&start);
        for (int i = 0; i < kRepaints; ++i)
            button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ::GdiFlush();
        ::QueryPerformanceCounter(&end);
        testsupport::PumpMessages();
        const long heldAfter = GdiObjectCounter::Held();
        const double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        // The theme's own share: the same drawing into a memory DC, without the window's paint.
        double drawSeconds = 0;
        {
            CClientDC windowDC(&button);
            CDC memDC;
            memDC.CreateCompatibleDC(&windowDC);
            CBitmap bitmap;
            bitmap.CreateCompatibleBitmap(&windowDC, 120, 30);
            CBitmap* pOld = memDC.SelectObject(&bitmap);
            DRAWITEMSTRUCT dis{};
            dis.CtlType = ODT_BUTTON;
            dis.hwndItem = button.GetSafeHwnd();
            dis.hDC = memDC.GetSafeHdc();
            dis.rcItem = RECT{0, 0, 120, 30};
            ::QueryPerformanceCounter(&start);
            for (int i = 0; i < kRepaints; ++i)
                button.DrawItem(&dis);
            ::GdiFlush();
            ::QueryPerformanceCounter(&end);
            memDC.SelectObject(pOld);
            drawSeconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        }
        std::printf("theme %d: %d repaints in %.3f s (%.3f ms each; the theme's drawing alone %.3f s); "
                    "GDI objects held %ld before, %ld after\n",
                    nTheme, kRepaints, seconds, seconds * 1000.0 / kRepaints, drawSeconds, heldBefore, heldAfter);
        if (seconds >= 1.0 || heldAfter != heldBefore)
            ++failures;
    }
    ::SetCursorPos(1279, 1023);
    std::printf(failures == 0 ? "goal met\n" : "goal missed\n");
    return failures == 0 ? 0 : 1;
}
