#pragma once
// A worker thread that owns its handle, with a stop request it can poll and a
// join that keeps the calling (user-interface) thread answering sent messages.
#include "Afx.h"
#include <atomic>
#include <functional>

class CWorkerThread {
public:
    using ThreadProc = UINT (*)(LPVOID);

    // Exit code of a worker whose function let an exception escape.
    static constexpr UINT ExitCodeUnhandledException = 0xFFFFFFFFu;

    CWorkerThread() = default;
    // Requests stop and waits for the thread without a time limit, dispatching
    // sent messages meanwhile (see Join). A worker is never killed.
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts the function on a new thread; clears the stop request first. When
    // the function returns, an AfxOleInit it made is undone (AfxOleTerm). Fails
    // (false) while a previous thread of this object still runs, or when the
    // thread cannot be created. An earlier, finished thread's handle is closed.
    bool Start(std::function<UINT()> function);
    bool Start(ThreadProc proc, LPVOID param);

    // Waits up to timeoutMs (INFINITE allowed) for the thread to end. While it
    // waits it dispatches messages sent to the calling thread's windows, so a
    // worker blocked in SendMessage to this thread can finish. Posted messages
    // stay queued. True when the thread has ended (or none was started); false
    // at once when called on the worker thread itself.
    bool Join(DWORD timeoutMs = INFINITE);

    bool IsRunning() const;

    // Cooperative cancellation: the owner asks, the worker polls.
    void RequestStop() { m_stopRequested.store(true); }
    bool StopRequested() const { return m_stopRequested.load(); }

    // The thread's exit code once it has ended; STILL_ACTIVE while it runs,
    // 0 when none was started.
    UINT GetExitCode() const;

    HANDLE GetHandle() const { return m_hThread; }
    DWORD GetThreadId() const { return m_threadId; }

private:
    static unsigned __stdcall Entry(void* self);

    std::function<UINT()> m_function;
    HANDLE m_hThread = nullptr;
    DWORD m_threadId = 0;
    std::atomic<bool> m_stopRequested{false};
};
