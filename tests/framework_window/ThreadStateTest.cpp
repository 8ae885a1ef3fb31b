// Per-thread framework state (handle maps, OLE state) is released when its
// thread ends, on threads of the framework and on plain C++ threads alike,
// without touching freed memory.
#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <thread>

#include "CThreadLocal.h"
#include "CWorkerThread.h"
#include "Framework.h"

namespace {

std::atomic<int> g_destroyed{0};

struct CountedState {
    int value = 7;
    ~CountedState() { g_destroyed += value == 7 ? 1 : 100; }
};

CThreadLocal<CountedState> g_state;

// Uses every per-thread map: a temporary window wrapper, a temporary DC and GDI
// wrapper, and a window of its own that is destroyed again.
void UsePerThreadMaps()
{
    CWnd* pDesktop = CWnd::FromHandle(::GetDesktopWindow());
    ASSERT_NE(pDesktop, nullptr);
    CDC* pDC = CDC::FromHandle(::GetDC(nullptr));
    CGdiObject::FromHandle(::GetStockObject(WHITE_BRUSH));
    ::ReleaseDC(nullptr, pDC->GetSafeHdc());
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), L"probe", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    popup.DestroyWindow();
}

TEST(ThreadState, PerThreadObjectsAreDestroyedOnceWhenTheirThreadEnds)
{
    g_destroyed = 0;
    std::thread([] { g_state.Get().value = 7; }).join();
    CWorkerThread worker;
    ASSERT_TRUE(worker.Start([] { g_state.Get(); return 0u; }));
    worker.Join();
    std::thread([] {}).join();  // never asked: nothing made, nothing destroyed
    EXPECT_EQ(g_destroyed.load(), 2);
}

TEST(ThreadState, ThreadsThatUsedTheHandleMapsLeaveTheHeapWhole)
{
    for (int i = 0; i < 20; ++i) {
        std::thread(UsePerThreadMaps).join();
        CWorkerThread worker;
        ASSERT_TRUE(worker.Start([] { UsePerThreadMaps(); return 0u; }));
        worker.Join();
    }
    EXPECT_EQ(_heapchk(), _HEAPOK);
}

} // namespace
