#include "ProgressBarFeed.h"

#include "CProgressCtrl.h"
#include "WindowHandle.h"

void ProgressBarFeed::Set(CProgressCtrl* bar, int percent, ULONGLONG frameMs)
{
    if (!bar)
        return;
    if (percent == m_sent) {
        m_held = -1;
        return;
    }
    if (m_sent == -1 || frameMs == 0 || GetTickCount64() - m_sentAt >= frameMs)
        Send(bar, percent);
    else
        m_held = percent;
}

void ProgressBarFeed::Flush(CProgressCtrl* bar)
{
    if (bar && m_held != -1)
        Send(bar, m_held);
}

void ProgressBarFeed::Restart()
{
    m_sent = m_held = -1;
}

void ProgressBarFeed::Send(CProgressCtrl* bar, int percent)
{
    m_held = -1;
    const HWND window = bar->GetSafeHwnd();
    if (!IsUsableWindow(window))
        return;
    SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    m_sent = percent;
    m_sentAt = GetTickCount64();
}
