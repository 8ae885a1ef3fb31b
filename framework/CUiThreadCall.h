#pragma once
// Runs a call on the user-interface thread, synchronously, from any thread.
#include "Afx.h"
#include <functional>

// The application's InitInstance calls Initialize on the user-interface thread:
// it creates a hidden message-only window there. A worker's Run then sends the
// call to that window (SendMessage: the worker waits, and the calls of one worker
// run in the order made); on the user-interface thread itself Run calls directly.
// The user-interface thread must keep answering sent messages (its message loop,
// a modal loop, or CWorkerThread::Join), or a worker's Run waits.
// An exception thrown by the call is caught on the user-interface thread and
// thrown again in the calling thread.
class CUiThreadCall {
public:
    // On the user-interface thread; a second call does nothing. False when the
    // window cannot be created.
    static bool Initialize();
    // On the user-interface thread, before it ends: destroys the window. Later
    // Runs from workers return false.
    static void Shutdown();

    // True when the call ran; false when no user-interface thread is set up
    // (the call is not made).
    static bool Run(const std::function<void()>& call);

    static bool IsUiThread();
};

// Shorthand for CUiThreadCall::Run.
inline bool RunOnUiThread(const std::function<void()>& call)
{
    return CUiThreadCall::Run(call);
}
