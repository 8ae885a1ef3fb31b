#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "CWorkerThread.h"

namespace {

constexpr UINT WM_TEST_REPORT = WM_USER + 7;

// A window of the test's (user-interface) thread that workers send to, as the
// save thread sends progress to the wizard's controls.
class ReportWindow {
public:
    ReportWindow()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ReportWindow::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"WorkerThreadTestReport";
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    ~ReportWindow() { DestroyWindow(hwnd); }

    HWND hwnd;
    static inline std::atomic<int> received{0};
    static inline DWORD handledOn = 0;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        if (m == WM_TEST_REPORT) {
            received += static_cast<int>(w);
            handledOn = GetCurrentThreadId();
            return 42;
        }
        return DefWindowProcW(h, m, w, l);
    }
};

TEST(WorkerThread, JoinAnswersTheWorkersSendMessage)
{
    ReportWindow window;
    ASSERT_NE(window.hwnd, nullptr);
    ReportWindow::received = 0;
    CWorkerThread worker;
    HWND target = window.hwnd;
    ASSERT_TRUE(worker.Start([target] {
        LRESULT total = 0;
        for (int i = 0; i < 20; ++i)
            total += SendMessageW(target, WM_TEST_REPORT, 1, 0);
        return static_cast<UINT>(total);
    }));
    EXPECT_TRUE(worker.Join(10000));
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(worker.GetExitCode(), 20u * 42u);
    EXPECT_EQ(ReportWindow::received, 20);
    EXPECT_EQ(ReportWindow::handledOn, GetCurrentThreadId());
}

TEST(WorkerThread, JoinTimesOutWhileTheWorkerRunsAndSucceedsLater)
{
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    CWorkerThread worker;
    ASSERT_TRUE(worker.Start([release] {
        WaitForSingleObject(release, INFINITE);
        return 5u;
    }));
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(worker.Join(200));
    const ULONGLONG waited = GetTickCount64() - start;
    EXPECT_GE(waited, 150u);
    EXPECT_LT(waited, 5000u);
    EXPECT_TRUE(worker.IsRunning());
    EXPECT_EQ(worker.GetExitCode(), static_cast<UINT>(STILL_ACTIVE));
    EXPECT_FALSE(worker.Start([] { return 0u; })); // still running
    SetEvent(release);
    EXPECT_TRUE(worker.Join(10000));
    EXPECT_EQ(worker.GetExitCode(), 5u);
    CloseHandle(release);

    // A finished object starts again with the stop request cleared.
    worker.RequestStop();
    ASSERT_TRUE(worker.Start([&worker] { return worker.StopRequested() ? 1u : 2u; }));
    EXPECT_TRUE(worker.Join(10000));
    EXPECT_EQ(worker.GetExitCode(), 2u);
}

TEST(WorkerThread, DestructorRequestsStopAndWaits)
{
    std::atomic<int> loops{0};
    std::atomic<bool> ended{false};
    {
        CWorkerThread worker;
        ASSERT_TRUE(worker.Start([&] {
            while (!worker.StopRequested()) {
                ++loops;
                Sleep(5);
            }
            ended = true;
            return 0u;
        }));
        while (loops < 3)
            Sleep(5);
    }
    EXPECT_TRUE(ended);
}

UINT AddOne(LPVOID param)
{
    return *static_cast<UINT*>(param) + 1;
}

TEST(WorkerThread, FunctionPointerStartEscapingExceptionAndSelfJoin)
{
    CWorkerThread worker;
    UINT value = 41;
    ASSERT_TRUE(worker.Start(&AddOne, &value));
    ASSERT_TRUE(worker.Join(10000));
    EXPECT_EQ(worker.GetExitCode(), 42u);

    ASSERT_TRUE(worker.Start([]() -> UINT { throw std::runtime_error("lost"); }));
    ASSERT_TRUE(worker.Join(10000));
    EXPECT_EQ(worker.GetExitCode(), CWorkerThread::ExitCodeUnhandledException);

    ASSERT_TRUE(worker.Start([&worker] { return worker.Join(1000) ? 1u : 0u; }));
    ASSERT_TRUE(worker.Join(10000));
    EXPECT_EQ(worker.GetExitCode(), 0u);

    CWorkerThread never;
    EXPECT_TRUE(never.Join(0));
    EXPECT_FALSE(never.IsRunning());
    EXPECT_FALSE(never.Start(nullptr, nullptr));
}

} // namespace
