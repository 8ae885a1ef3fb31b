#pragma once
// A frame of the owner tests: a CXTPFrameWnd that makes its command bars in
// OnCreate (docking on, the shortcut manager given a table when asked) and
// records the commands and control notices it receives.
#include "Framework.h"
#include "CXTPCommandBars.h"
#include "CXTPFrameWnd.h"

#include <vector>


// A control notice code the frame handles, and the result it answers with.
constexpr UINT kHandledNotice = 7001;
constexpr LRESULT kHandledResult = 42;

class OwnerTestFrame : public CXTPFrameWnd {
    DECLARE_DYNCREATE(OwnerTestFrame)
public:
    // Shown at (100, 100), 500 x 300, through LoadFrame; it deletes itself when destroyed.
    // hFrameAccel becomes the frame's own table; pManagerAccel (nManager
    // entries) the shortcut manager's.
    static OwnerTestFrame* Make(HACCEL hFrameAccel = nullptr, const ACCEL* pManagerAccel = nullptr, int nManager = 0);

    CXTPCommandBars* Bars() const { return m_pCommandBars; }
    HACCEL FrameAccelerators() const { return m_hAccelTable; }

    std::vector<UINT> m_commands;
    int m_nSelChanged = 0;
    int m_nCustomizeRuns = 0;
    // The records of WM_CMDBARS_CREATECOMMANDBAR, as sent.
    std::vector<XTP_COMMANDBARS_CREATEBAR> m_createBar;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnHandledNotice(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnSelChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCustomize() { ++m_nCustomizeRuns; }
    afx_msg LRESULT OnCreateCommandBar(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    const ACCEL* m_pManagerAccel = nullptr;
    int m_nManager = 0;
};

// Destroys a test frame at the end of a scope.
struct OwnerFrameHolder {
    explicit OwnerFrameHolder(OwnerTestFrame* pFrame) : p(pFrame) {}
    ~OwnerFrameHolder()
    {
        if (p != nullptr && ::IsWindow(p->GetSafeHwnd()))
            p->DestroyWindow();
    }
    OwnerTestFrame* operator->() const { return p; }
    OwnerTestFrame* p;
};
