#include "CWorkerThread.h"

#include <process.h>

#include "AfxOle.h"

CWorkerThread::~CWorkerThread()
{
    RequestStop();
    Join(INFINITE);
    if (m_hThread)
        CloseHandle(m_hThread);
}

bool CWorkerThread::Start(std::function<UINT()> function)
{
    if (!function || IsRunning())
        return false;
    if (m_hThread) {
        CloseHandle(m_hThread);
        m_hThread = nullptr;
        m_threadId = 0;
    }
    m_stopRequested.store(false);
    m_function = std::move(function);
    unsigned id = 0;
    // _beginthreadex rather than CreateThread: the worker uses the C runtime.
    // Suspended until the handle and id are stored, which the worker may read.
    uintptr_t handle = _beginthreadex(nullptr, 0, &CWorkerThread::Entry, this, CREATE_SUSPENDED, &id);
    if (!handle)
        return false;
    m_hThread = reinterpret_cast<HANDLE>(handle);
    m_threadId = id;
    ResumeThread(m_hThread);
    return true;
}

bool CWorkerThread::Start(ThreadProc proc, LPVOID param)
{
    if (!proc)
        return false;
    return Start([proc, param] { return proc(param); });
}

unsigned __stdcall CWorkerThread::Entry(void* self)
{
    UINT code;
    try {
        code = static_cast<CWorkerThread*>(self)->m_function();
    } catch (...) {
        // An exception leaving a thread would end the whole program.
        code = ExitCodeUnhandledException;
    }
    // Still on this thread and before the system tears its COM state down.
    AfxOleTerm();
    return code;
}

bool CWorkerThread::Join(DWORD timeoutMs)
{
    if (!m_hThread)
        return true;
    if (GetCurrentThreadId() == m_threadId)
        return false; // a thread cannot wait for its own end
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        DWORD wait = INFINITE;
        if (timeoutMs != INFINITE) {
            ULONGLONG elapsed = GetTickCount64() - start;
            if (elapsed >= timeoutMs)
                return WaitForSingleObject(m_hThread, 0) == WAIT_OBJECT_0;
            wait = static_cast<DWORD>(timeoutMs - elapsed);
        }
        DWORD r = MsgWaitForMultipleObjectsEx(1, &m_hThread, wait, QS_SENDMESSAGE, 0);
        if (r == WAIT_OBJECT_0)
            return true;
        if (r == WAIT_OBJECT_0 + 1) {
            // Peeking delivers the pending sent messages; nothing is removed.
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            continue;
        }
        if (r == WAIT_TIMEOUT)
            return false;
        // WAIT_FAILED: the handle is unusable; do not spin.
        return WaitForSingleObject(m_hThread, 0) == WAIT_OBJECT_0;
    }
}

bool CWorkerThread::IsRunning() const
{
    return m_hThread && WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT;
}

UINT CWorkerThread::GetExitCode() const
{
    if (!m_hThread)
        return 0;
    DWORD code = 0;
    if (!GetExitCodeThread(m_hThread, &code))
        return 0;
    return code;
}
