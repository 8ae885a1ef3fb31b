#include "CXTPMenuSoundPlayer.h"

#include <mmsystem.h>

#include <cstdlib>

namespace {

constexpr DWORD kPollMilliseconds = 5;
constexpr DWORD kStopWaitMilliseconds = 100;

} // namespace

CXTPMenuSoundPlayer::CXTPMenuSoundPlayer(PlaySoundFunction playSound, PauseFunction pause)
    : m_hNoWorker(::CreateEventW(nullptr, TRUE, TRUE, nullptr)),
      m_playSound(playSound ? std::move(playSound) : PlaySoundFunction(&::PlaySoundW)),
      m_pause(pause ? std::move(pause) : PauseFunction(&::Sleep))
{
}

CXTPMenuSoundPlayer::~CXTPMenuSoundPlayer()
{
    Stop();
    ::WaitForSingleObject(m_hNoWorker, INFINITE);
    ::CloseHandle(m_hNoWorker);
}

BOOL CXTPMenuSoundPlayer::Start()
{
    // A worker that outlived Stop's wait still plays its last sound: a second
    // one beside it would reset the stop request it is waiting for.
    if (::WaitForSingleObject(m_hNoWorker, 0) != WAIT_OBJECT_0)
        return FALSE;
    m_nState = Idle;
    ::ResetEvent(m_hNoWorker);
    m_hThread = ::CreateThread(nullptr, 0, &ThreadProc, this, CREATE_SUSPENDED, nullptr);
    if (m_hThread == nullptr) {
        ::SetEvent(m_hNoWorker);
        return FALSE;
    }
    ::SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
    ::ResumeThread(m_hThread);
    return TRUE;
}

void CXTPMenuSoundPlayer::Play(State state)
{
    if (!m_bEnabled)
        return;
    if (m_hThread == nullptr && !Start())
        return;
    m_nState = state;
}

void CXTPMenuSoundPlayer::Stop()
{
    if (m_hThread == nullptr)
        return;
    m_nState = StopRequested;
    ::WaitForSingleObject(m_hThread, kStopWaitMilliseconds);
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
}

DWORD WINAPI CXTPMenuSoundPlayer::ThreadProc(LPVOID pParam)
{
    static_cast<CXTPMenuSoundPlayer*>(pParam)->Run();
    return 0;
}

void CXTPMenuSoundPlayer::Run()
{
    for (;;) {
        LONG state = m_nState;
        if (state == StopRequested)
            break;
        if (state == MenuCommand || state == MenuPopup) {
            m_playSound(state == MenuCommand ? L"MenuCommand" : L"MenuPopup", nullptr,
                        SND_ALIAS | SND_NOWAIT | SND_NODEFAULT);
            // Requests made while the sound played are dropped, but a stop
            // request is never overwritten.
            state = m_nState;
            while (state != StopRequested && !m_nState.compare_exchange_weak(state, Idle)) {
            }
        }
        m_pause(kPollMilliseconds);
    }
    m_playSound(nullptr, nullptr, SND_PURGE);
    ::SetEvent(m_hNoWorker);
}

CXTPMenuSoundPlayer* XTPSoundManager()
{
    // Never destroyed: a worker that outlives the exit's stop still reads it.
    static CXTPMenuSoundPlayer* const s_pPlayer = [] {
        auto* pPlayer = new CXTPMenuSoundPlayer;
        std::atexit([] { XTPSoundManager()->Stop(); });
        return pPlayer;
    }();
    return s_pPlayer;
}
