// The window object and its handle: attached before the first message,
// handle map, subclassing, creation failure and destruction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Framework.h"

namespace {

class CCreationProbe : public CWnd {
public:
    explicit CCreationProbe(bool failCreate = false) : m_failCreate(failCreate) {}
    bool m_failCreate;
    HWND m_hWndAtNcCreate = nullptr;
    HWND m_hWndAtCreate = nullptr;
    bool m_permanentAtCreate = false;
    CString m_titleAtCreate;
    int m_postNcDestroyCalls = 0;
    std::vector<UINT> m_timerIds;

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        m_hWndAtNcCreate = m_hWnd;
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_hWndAtCreate = m_hWnd;
        m_permanentAtCreate = CWnd::FromHandlePermanent(m_hWnd) == this;
        m_titleAtCreate = lpcs->lpszName;
        return m_failCreate ? -1 : CWnd::OnCreate(lpcs);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        m_timerIds.push_back(static_cast<UINT>(nIDEvent));
        KillTimer(nIDEvent);
    }
    void PostNcDestroy() override { ++m_postNcDestroyCalls; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCreationProbe, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(WindowObjectTest, ObjectIsAttachedBeforeCreateMessages)
{
    CCreationProbe probe;
    ASSERT_TRUE(probe.CreateEx(0, nullptr, L"probe", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    EXPECT_NE(nullptr, probe.m_hWndAtNcCreate);
    EXPECT_EQ(probe.m_hWnd, probe.m_hWndAtNcCreate);
    EXPECT_EQ(probe.m_hWnd, probe.m_hWndAtCreate);
    EXPECT_TRUE(probe.m_permanentAtCreate);
    EXPECT_STREQ(L"probe", probe.m_titleAtCreate.GetString());
    EXPECT_EQ(&probe, CWnd::FromHandle(probe.m_hWnd));

    // Messages reach the object's map after creation too.
    probe.SetTimer(17, 1);
    MSG msg;
    for (int i = 0; i < 200 && probe.m_timerIds.empty(); ++i) {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        else
            ::Sleep(5);
    }
    EXPECT_EQ(std::vector<UINT>{17}, probe.m_timerIds);

    HWND hWnd = probe.m_hWnd;
    EXPECT_TRUE(probe.DestroyWindow());
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(1, probe.m_postNcDestroyCalls);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WindowObjectTest, FailedCreateLeavesNoWindowBehind)
{
    CCreationProbe probe(true);
    EXPECT_FALSE(probe.CreateEx(0, nullptr, L"fails", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(1, probe.m_postNcDestroyCalls);

    // An unknown window class: the object never gets a window.
    CCreationProbe unknown;
    EXPECT_FALSE(unknown.CreateEx(0, L"NoSuchClassOfOrbalin", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, unknown.m_hWnd);
    EXPECT_EQ(1, unknown.m_postNcDestroyCalls);
    // ...and a later creation on this thread is not attached to it.
    HWND hPlain = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPlain));
    ::DestroyWindow(hPlain);
}

TEST(WindowObjectTest, TemporaryObjectsForForeignHandles)
{
    HWND hPlain = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hPlain);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPlain));
    CWnd* pTemporary = CWnd::FromHandle(hPlain);
    ASSERT_NE(nullptr, pTemporary);
    EXPECT_EQ(hPlain, pTemporary->m_hWnd);
    EXPECT_EQ(pTemporary, CWnd::FromHandle(hPlain));
    CString text;
    pTemporary->GetWindowText(text);
    EXPECT_STREQ(L"plain", text.GetString());
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    CWnd::DeleteTempMap();
    // The window outlives its temporary object.
    EXPECT_TRUE(::IsWindow(hPlain));
    ::DestroyWindow(hPlain);
    CWnd* pNull = nullptr;
    EXPECT_EQ(nullptr, pNull->GetSafeHwnd());
}

class CSubclassedEdit : public CWnd {
public:
    std::vector<UINT> m_chars;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_chars.push_back(nChar);
        CWnd::OnChar(nChar, nRepCnt, nFlags);   // the edit control still types it
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSubclassedEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

TEST(WindowObjectTest, SubclassAndUnsubclassAnExistingControl)
{
    HWND hParent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, hParent,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(55)), nullptr, nullptr);
    ASSERT_NE(nullptr, hEdit);
    CWnd parent;
    parent.Attach(hParent);
    CSubclassedEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(55, &parent));
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
    edit.SendMessage(WM_CHAR, 'a', 1);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(L"a", text.GetString());
    EXPECT_EQ(std::vector<UINT>{'a'}, edit.m_chars);

    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    ::SendMessageW(hEdit, WM_CHAR, 'b', 1);
    EXPECT_EQ(std::vector<UINT>{'a'}, edit.m_chars);
    EXPECT_EQ(2, ::GetWindowTextLengthW(hEdit));
    parent.DestroyWindow();
}

} // namespace
