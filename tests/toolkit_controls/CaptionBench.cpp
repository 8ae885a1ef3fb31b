// Caption repaints in the three themes and ChangeCaptionNow from a worker
// thread: the time of 1,000 of each (goal under a second each) and the GDI
// objects the framework's wrappers hold before and after, which must be the
// same. Run on demand under Wine and Xvfb.
#include <cstdio>
#include <thread>

#include "CXTCaption.h"
#include "CXTCaptionButtonThemeFactory.h"
#include "CXTCaptionThemeFactory.h"
#include "GdiObjectCounter.h"
#include "MessagePump.h"

namespace {

class BenchWindow : public CWnd {
public:
    BenchWindow() { CreateEx(0, AfxRegisterWndClass(0), L"caption bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 420, 100), nullptr, 0); }
    ~BenchWindow() override { DestroyWindow(); }
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main()
{
    constexpr int kCount = 1000;
    BenchWindow host;
    int failures = 0;
    for (int nTheme = 0; nTheme < 3; ++nTheme) {
        CXTCaption caption;
        caption.Create(&host, L"Saving File...", nTheme == 1 ? CXTCaption::CaptionCloseButton : 0,
                       WS_CHILD | WS_VISIBLE, CRect(10, 10, 410, 40), 1);
        caption.InstallTheme(CXTCaptionThemeFactory().MakeThemeObject(nTheme));
        caption.GetCaptionButton().InstallTheme(CXTCaptionButtonThemeFactory().MakeThemeObject(nTheme));
        caption.ConfigureCaption(2, nullptr, nullptr, ::LoadIconW(nullptr, IDI_INFORMATION));
        caption.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        testsupport::PumpMessages();
        const long heldBefore = GdiObjectCounter::Held();
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        for (int i = 0; i < kCount; ++i)
            caption.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ::GdiFlush();
        ::QueryPerformanceCounter(&end);
        const double repaintMs = Milliseconds(start, end);

        // The worker hands each change to this thread, which paints them in order.
        ::QueryPerformanceCounter(&start);
        std::thread worker([&caption] {
            for (int i = 0; i < kCount; ++i) {
                wchar_t text[32];
                std::swprintf(text, 32, L"Saving entry %d", i);
                caption.ChangeCaptionNow(text, nullptr);
            }
        });
        worker.join();
        const CString last = L"Saving entry 999";
        while (caption.GetCaptionText() != last)
            testsupport::PumpMessages();
        ::GdiFlush();
        ::QueryPerformanceCounter(&end);
        const double changeMs = Milliseconds(start, end);
        const long heldAfter = GdiObjectCounter::Held();
        std::printf("theme %d: %d repaints %.1f ms, %d changes from a worker %.1f ms, GDI objects held %ld -> %ld\n",
                    nTheme, kCount, repaintMs, kCount, changeMs, heldBefore, heldAfter);
        failures += repaintMs >= 1000.0 || changeMs >= 1000.0 || heldAfter != heldBefore;
    }
    std::printf(failures == 0 ? "all within bounds\n" : "%d series out of bounds\n", failures);
    return failures == 0 ? 0 : 1;
}
