#pragma once
// A command bar that joins and leaves the trackers' lists the way tracking
// bars do and records what the trackers ask of it. With stay listed it
// leaves tracking without leaving the mouse tracker's list.
#include "CXTPCommandBar.h"
#include "CXTPKeyboardTracker.h"
#include "CXTPMouseTracker.h"

#include <vector>

class TrackerTestBar : public CXTPCommandBar {
public:
    explicit TrackerTestBar(std::vector<TrackerTestBar*>* pEndLog = nullptr) : m_pEndLog(pEndLog) {}

    BOOL SetTrackingMode(int bMode, BOOL /*bSelectFirst*/ = TRUE, BOOL /*bKeyboard*/ = FALSE) override
    {
        m_bTracking = bMode;
        if (bMode) {
            CXTPMouseTracker::GetThreadTracker()->AddTrackedBar(this);
            return TRUE;
        }
        ++m_nEnded;
        if (m_pEndLog)
            m_pEndLog->push_back(this);
        if (!m_bStayListed)
            CXTPMouseTracker::GetThreadTracker()->RemoveTrackedBar(this);
        return TRUE;
    }
    BOOL SetSelected(int nSelected, BOOL /*bKeyboard*/ = FALSE) override
    {
        m_selections.push_back(nSelected);
        m_nSelected = nSelected;
        return TRUE;
    }
    void StartTracking() { SetTrackingMode(1); }

    int m_nEnded = 0;
    bool m_bStayListed = false;
    std::vector<int> m_selections;
    std::vector<TrackerTestBar*>* m_pEndLog;
};
