#pragma once
// Windows the bar tests report to: a site that records the status-line and
// selection messages, and a frame whose command route has an update handler,
// a command handler only, or nothing for a command.
#include "Framework.h"

#include <vector>

// Commands of the test frame.
constexpr UINT ID_TEST_UPDATED = 33001;      // an update handler: the frame's chosen state
constexpr UINT ID_TEST_HANDLER_ONLY = 33002; // a command handler, no update handler
constexpr UINT ID_TEST_UNHANDLED = 33003;    // nothing in the route

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    CString text;
};

class RecordingSite : public CWnd {
public:
    BOOL CreateSite() { return CreateEx(0, AfxRegisterWndClass(0), L"site", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0); }
    std::vector<RecordedMessage> m_messages;

protected:
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnControlSelected(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class TestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(TestFrame)
public:
    // Made visible at (0, 0), 400 x 200; it deletes itself when destroyed.
    static TestFrame* Make();

    BOOL m_bEnable = TRUE;
    int m_nCheck = 0;    // -1: the handler leaves the check mark alone
    CString m_strText;   // set as the updated control's caption when not empty
    int m_nUpdates = 0;

protected:
    afx_msg void OnUpdated() {}
    afx_msg void OnHandlerOnly() {}
    afx_msg void OnUpdateUpdated(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

// Destroys a test frame at the end of a scope.
struct FrameHolder {
    FrameHolder() : pFrame(TestFrame::Make()) {}
    ~FrameHolder()
    {
        if (::IsWindow(hWnd))
            pFrame->DestroyWindow();
    }
    TestFrame* operator->() const { return pFrame; }
    TestFrame* pFrame;
    HWND hWnd = pFrame->GetSafeHwnd();
};
