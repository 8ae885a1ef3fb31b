#pragma once
// The mouse side of menu tracking for one UI thread: a thread mouse hook
// that closes the tracked bars on a click elsewhere and feeds them mouse
// moves outside their windows, the emulated mouse leave of one watched
// window, and windows in which clicks leave the menus open.
#include "Framework.h"

class CXTPCommandBar;

class CXTPMouseTracker : public CCmdTarget {
public:
    CXTPMouseTracker();
    ~CXTPMouseTracker() override;

    // The tracker of the calling thread, made on first use.
    static CXTPMouseTracker* GetThreadTracker();

    void AddTrackedBar(CXTPCommandBar* pBar);
    void RemoveTrackedBar(CXTPCommandBar* pBar);
    int GetTrackedBarCount() const { return static_cast<int>(m_arrTrackers.GetSize()); }
    CXTPCommandBar* GetTrackedBar(int nIndex) const { return m_arrTrackers[nIndex]; }
    BOOL IsTrackedBar(CXTPCommandBar* pBar) const;
    // Ends the tracking of every tracked bar.
    void CloseAll();
    // While the first tracked bar is locked, ends the tracking of the unlocked ones.
    void CloseUnlocked();
    BOOL IsOtherTracking(CXTPCommandBar* pBar) const;
    // Raises (TRUE) or lowers (FALSE) the lock count of every tracked bar.
    void LockTrackedBars(BOOL bLock);

    // While the lock is above 0 the bars ignore mouse moves and mouse leave,
    // and a button release outside them doesn't close them.
    void Lock() { ++m_nLock; }
    void Unlock() { --m_nLock; }
    BOOL IsLocked() const { return m_nLock > 0; }

    // Nested modal loops (a tear-off drag, say) run between these two.
    void EnterNestedLoop() { ++m_nNestedLoop; }
    void LeaveNestedLoop() { --m_nNestedLoop; }
    BOOL IsInNestedLoop() const { return m_nNestedLoop > 0; }

    CXTPCommandBar* GetLastSelectingBar() const { return m_pSelectingBar; }
    void SetLastSelectingBar(CXTPCommandBar* pBar) { m_pSelectingBar = pBar; }

    // Set when a collapsed menu was expanded: the next menus open expanded
    // and the button release that expanded it is swallowed.
    void SetMenusExpanded(BOOL bExpanded);
    BOOL IsMenusExpanded() const { return m_bMenusExpanded; }

    void AddTrustedWindow(HWND hWnd);
    void RemoveTrustedWindow(HWND hWnd);

    // Makes hWnd the watched window: the one watched before is told
    // WM_MOUSELEAVE now, hWnd is told once the cursor has left it.
    void TrackMouseLeave(HWND hWnd);
    HWND GetWatchedWindow() const { return m_hwndWatched; }

private:
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK MouseLeaveTimerProc(HWND hWnd, UINT nMsg, UINT_PTR nIDEvent, DWORD dwTime);
    BOOL OnHookMessage(UINT nMessage, POINT point);
    void ExamineMessage(UINT nMessage, POINT point);
    BOOL IsInTrustedWindow(POINT point) const;
    void OnMouseLeaveTimer();

    int m_nLock = 0;
    CArray<CXTPCommandBar*, CXTPCommandBar*> m_arrTrackers;
    HHOOK m_hHookMouse = nullptr;
    CXTPCommandBar* m_pSelectingBar = nullptr;
    HWND m_hwndWatched = nullptr;
    BOOL m_bMenusExpanded = FALSE;
    CArray<HWND, HWND> m_arrTrusted;
    BOOL m_bIgnoreButtonUp = FALSE;
    int m_nNestedLoop = 0;

    static POINT m_ptLast;
};
