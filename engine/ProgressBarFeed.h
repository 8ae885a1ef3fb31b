#pragma once
#include <windows.h>

class CProgressCtrl;

// The positions a save sends to one progress bar of the window's thread. Each costs the
// save a round trip to that thread (under Wine about half a millisecond, more than
// writing a sheet row), while a user sees at most one position a frame. So a position is
// sent when it changes what the bar shows and a frame has passed since the last one sent;
// one that comes sooner is held and goes with the next, or with Flush.
class ProgressBarFeed {
public:
    // frameMs 0 sends every change.
    void Set(CProgressCtrl* bar, int percent, ULONGLONG frameMs);
    // Sends the position held back, if any.
    void Flush(CProgressCtrl* bar);
    // The bar may have been moved by someone else: its next position is sent at once.
    void Restart();

private:
    void Send(CProgressCtrl* bar, int percent);

    int m_sent = -1;
    int m_held = -1;
    ULONGLONG m_sentAt = 0;
};
