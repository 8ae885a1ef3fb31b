#pragma once
// Plays the system's menu sounds without holding up the user interface: a
// worker thread, started on the first request, polls one request word and
// plays the sound on its own time.
#include "Framework.h"

#include <atomic>
#include <functional>

class CXTPMenuSoundPlayer {
public:
    enum State : LONG { Idle = 0, MenuCommand = 1, MenuPopup = 2, StopRequested = 3 };

    using PlaySoundFunction = std::function<BOOL(LPCWSTR pszSound, HMODULE hModule, DWORD dwFlags)>;
    using PauseFunction = std::function<void(DWORD dwMilliseconds)>;

    // The system's PlaySoundW and Sleep unless a test hands in its own.
    explicit CXTPMenuSoundPlayer(PlaySoundFunction playSound = {}, PauseFunction pause = {});
    // Stops the worker and waits for it: it reads this object until it ends.
    ~CXTPMenuSoundPlayer();
    CXTPMenuSoundPlayer(const CXTPMenuSoundPlayer&) = delete;
    CXTPMenuSoundPlayer& operator=(const CXTPMenuSoundPlayer&) = delete;

    // Asks for MenuCommand or MenuPopup; a newer request replaces one the
    // worker has not picked up yet.
    void Play(State state);
    // Ends the worker, waiting at most 100 ms for it; a sound that plays
    // finishes first.
    void Stop();
    void Enable(BOOL bEnable) { m_bEnabled = bEnable; }

private:
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    void Run();
    BOOL Start();

    std::atomic<LONG> m_nState{Idle};
    BOOL m_bEnabled = TRUE;
    HANDLE m_hThread = nullptr;
    // Set while no worker runs; a worker that outlived Stop's wait keeps it
    // reset until it ends, so that no second worker starts beside it.
    HANDLE m_hNoWorker;
    PlaySoundFunction m_playSound;
    PauseFunction m_pause;
};

// The process's player, stopped once at exit.
CXTPMenuSoundPlayer* XTPSoundManager();
