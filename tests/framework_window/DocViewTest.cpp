// Document/view start-up through the single-document template, command
// routing view -> document -> frame -> application, and command-state updates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Framework.h"
#include "TestPump.h"
#include "TestResources.h"

namespace {

std::vector<std::string> g_route;
BOOL g_toggleEnabled = TRUE;
int g_toggleChecked = 0;
int g_toggleRuns = 0;

class CRouteDoc : public CDocument {
    DECLARE_DYNCREATE(CRouteDoc)
public:
    CRouteDoc() { ++s_live; }
    ~CRouteDoc() override { --s_live; }
    static int s_live;

protected:
    afx_msg void OnRoute() { g_route.push_back("document"); }
    DECLARE_MESSAGE_MAP()
};
int CRouteDoc::s_live = 0;
IMPLEMENT_DYNCREATE(CRouteDoc, CDocument)
BEGIN_MESSAGE_MAP(CRouteDoc, CDocument)
    ON_COMMAND(ID_ROUTE_ALL, OnRoute)
    ON_COMMAND(ID_ROUTE_DOC, OnRoute)
END_MESSAGE_MAP()

class CRouteView : public CView {
    DECLARE_DYNCREATE(CRouteView)
public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        ++m_initialUpdates;
        CView::OnInitialUpdate();
    }
    int m_initialUpdates = 0;

protected:
    afx_msg void OnRoute() { g_route.push_back("view"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteView, CView)
BEGIN_MESSAGE_MAP(CRouteView, CView)
    ON_COMMAND(ID_ROUTE_ALL, OnRoute)
END_MESSAGE_MAP()

class CRouteFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CRouteFrame)
protected:
    afx_msg void OnRoute() { g_route.push_back("frame"); }
    afx_msg void OnToggle() { ++g_toggleRuns; }
    afx_msg void OnUpdateToggle(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(g_toggleEnabled);
        pCmdUI->SetCheck(g_toggleChecked);
    }
    afx_msg void OnHandlerOnly() {}
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRouteFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CRouteFrame, CFrameWnd)
    ON_COMMAND(ID_ROUTE_ALL, OnRoute)
    ON_COMMAND(ID_ROUTE_DOC, OnRoute)
    ON_COMMAND(ID_ROUTE_FRAME, OnRoute)
    ON_COMMAND(ID_UPDATE_TOGGLE, OnToggle)
    ON_UPDATE_COMMAND_UI(ID_UPDATE_TOGGLE, OnUpdateToggle)
    ON_COMMAND(ID_HANDLER_ONLY, OnHandlerOnly)
END_MESSAGE_MAP()

class CRouteApp : public CWinApp {
public:
    CRouteApp() : CWinApp(L"FrameworkWindowTests") {}

protected:
    afx_msg void OnRouteRange(UINT) { g_route.push_back("application"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRouteApp, CWinApp)
    ON_COMMAND_RANGE(ID_ROUTE_ALL, ID_ROUTE_APP, OnRouteRange)
END_MESSAGE_MAP()

// A toolbar-like bar: on idle it updates its buttons from the frame's command route.
class CUpdateBar : public CWnd {
public:
    BOOL CreateBar(CWnd* pParent)
    {
        if (!Create(nullptr, L"bar", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 24), pParent, AFX_IDW_TOOLBAR))
            return FALSE;
        return m_toggle.Create(L"BUTTON", L"Toggle", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 90, 20), this,
                               ID_UPDATE_TOGGLE)
               && m_none.Create(L"BUTTON", L"None", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(100, 0, 190, 20),
                                this, ID_NO_HANDLER);
    }
    CWnd m_toggle;
    CWnd m_none;
    int m_updates = 0;

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
    {
        ++m_updates;
        CCmdUI state;
        for (CWnd* pButton : {&m_toggle, &m_none}) {
            state.m_pOther = pButton;
            state.m_nID = static_cast<UINT>(pButton->GetDlgCtrlID());
            state.DoUpdate(GetParentFrame(), static_cast<BOOL>(wParam));
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CUpdateBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class DocViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_route.clear();
        g_toggleEnabled = TRUE;
        g_toggleChecked = 0;
        g_toggleRuns = 0;
        m_app.AddDocTemplate(new CSingleDocTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(CRouteDoc),
                                                    RUNTIME_CLASS(CRouteFrame), RUNTIME_CLASS(CRouteView)));
        m_app.OnFileNew();
        m_frame = dynamic_cast<CRouteFrame*>(m_app.m_pMainWnd);
        ASSERT_NE(nullptr, m_frame);
        PumpPending();
    }

    void TearDown() override
    {
        if (m_app.m_pMainWnd != nullptr)
            m_app.m_pMainWnd->SendMessage(WM_CLOSE);
        PumpPending();
        TakeQuitMessage();
    }

    void InitMenuPopup()
    {
        HMENU hPopup = ::GetSubMenu(::GetMenu(m_frame->m_hWnd), 0);
        m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(0, FALSE));
    }

    UINT MenuState(UINT nID) const { return ::GetMenuState(::GetMenu(m_frame->m_hWnd), nID, MF_BYCOMMAND); }

    CRouteApp m_app;
    CRouteFrame* m_frame = nullptr;
};

TEST_F(DocViewTest, TemplateCreatesDocumentFrameAndViewByRuntimeClass)
{
    auto* pView = dynamic_cast<CRouteView*>(m_frame->GetActiveView());
    ASSERT_NE(nullptr, pView);
    auto* pDoc = dynamic_cast<CRouteDoc*>(m_frame->GetActiveDocument());
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ(pDoc, pView->GetDocument());
    EXPECT_EQ(1, CRouteDoc::s_live);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pView->GetDlgCtrlID());
    EXPECT_EQ(m_frame->m_hWnd, ::GetParent(pView->m_hWnd));
    EXPECT_EQ(1, pView->m_initialUpdates);
    POSITION pos = pDoc->GetFirstViewPosition();
    ASSERT_NE(nullptr, pos);
    EXPECT_EQ(pView, pDoc->GetNextView(pos));
    EXPECT_EQ(nullptr, pos);

    // Menu, accelerators and title come from the template's resource id.
    EXPECT_NE(nullptr, ::GetMenu(m_frame->m_hWnd));
    EXPECT_NE(nullptr, m_frame->m_hAccelTable);
    CString title;
    m_frame->GetWindowText(title);
    EXPECT_STREQ(L"Untitled - Framework test", title.GetString());
    CString docName;
    EXPECT_FALSE(pDoc->GetDocTemplate()->GetDocString(docName, CDocTemplate::docName));
    EXPECT_TRUE(pDoc->GetDocTemplate()->GetDocString(docName, CDocTemplate::fileNewName));
    EXPECT_STREQ(L"TestDoc", docName.GetString());
    EXPECT_TRUE(m_frame->IsWindowVisible());

    // The view fills the client area.
    CRect client;
    CRect viewRect;
    m_frame->GetClientRect(&client);
    pView->GetWindowRect(&viewRect);
    m_frame->ScreenToClient(&viewRect);
    EXPECT_EQ(client, viewRect);

    // A second File New reuses document and frame.
    m_app.OnFileNew();
    EXPECT_EQ(m_frame, m_app.m_pMainWnd);
    EXPECT_EQ(pDoc, m_frame->GetActiveDocument());

    // Closing the main frame deletes the document and ends the message loop.
    HWND hFrame = m_frame->m_hWnd;
    m_frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(0, CRouteDoc::s_live);
    EXPECT_EQ(nullptr, m_app.m_pMainWnd);
    EXPECT_TRUE(TakeQuitMessage());
}

TEST_F(DocViewTest, CommandRoutesViewThenDocumentThenFrameThenApplication)
{
    for (UINT nID : {ID_ROUTE_ALL, ID_ROUTE_DOC, ID_ROUTE_FRAME, ID_ROUTE_APP})
        m_frame->PostMessage(WM_COMMAND, nID);
    PumpPending();
    EXPECT_EQ((std::vector<std::string>{"view", "document", "frame", "application"}), g_route);

    // An accelerator key pressed in the view reaches the frame's table.
    g_route.clear();
    m_frame->GetActiveView()->PostMessage(WM_KEYDOWN, VK_F7, 0);
    PumpPending();
    EXPECT_EQ(std::vector<std::string>{"frame"}, g_route);

    // A command nobody handles is not an error.
    EXPECT_FALSE(m_frame->OnCmdMsg(ID_NO_HANDLER, CN_COMMAND, nullptr, nullptr));
    AFX_CMDHANDLERINFO info{};
    EXPECT_TRUE(m_frame->OnCmdMsg(ID_ROUTE_DOC, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(static_cast<CCmdTarget*>(m_frame->GetActiveDocument()), info.pTarget);
    EXPECT_TRUE(g_route.size() == 1);   // asking for the handler does not run it
}

TEST_F(DocViewTest, MenuItemsFollowUpdateHandlers)
{
    g_toggleEnabled = FALSE;
    InitMenuPopup();
    EXPECT_TRUE(MenuState(ID_UPDATE_TOGGLE) & MF_GRAYED);
    EXPECT_TRUE(MenuState(ID_NO_HANDLER) & MF_GRAYED);   // no handler: disabled
    EXPECT_FALSE(MenuState(ID_HANDLER_ONLY) & MF_GRAYED);

    g_toggleEnabled = TRUE;
    g_toggleChecked = 1;
    InitMenuPopup();
    EXPECT_FALSE(MenuState(ID_UPDATE_TOGGLE) & MF_GRAYED);
    EXPECT_TRUE(MenuState(ID_UPDATE_TOGGLE) & MF_CHECKED);

    // A disabled command does not run from a menu or accelerator message.
    g_toggleEnabled = FALSE;
    m_frame->SendMessage(WM_COMMAND, ID_UPDATE_TOGGLE);
    EXPECT_EQ(0, g_toggleRuns);
    g_toggleEnabled = TRUE;
    m_frame->SendMessage(WM_COMMAND, ID_UPDATE_TOGGLE);
    EXPECT_EQ(1, g_toggleRuns);
}

TEST_F(DocViewTest, IdleProcessingUpdatesBarButtonsAndLayout)
{
    CUpdateBar bar;
    ASSERT_TRUE(bar.CreateBar(m_frame));
    m_frame->RecalcLayout();
    // The plain bar takes the top; the view gets the rest.
    CRect viewRect;
    m_frame->GetActiveView()->GetWindowRect(&viewRect);
    m_frame->ScreenToClient(&viewRect);
    EXPECT_EQ(24, viewRect.top);

    g_toggleEnabled = FALSE;
    m_app.OnIdle(0);
    EXPECT_GT(bar.m_updates, 0);
    EXPECT_FALSE(bar.m_toggle.IsWindowEnabled());
    EXPECT_FALSE(bar.m_none.IsWindowEnabled());

    g_toggleEnabled = TRUE;
    g_toggleChecked = 1;
    m_app.OnIdle(0);
    EXPECT_TRUE(bar.m_toggle.IsWindowEnabled());
    EXPECT_EQ(BST_CHECKED, bar.m_toggle.SendMessage(BM_GETCHECK));
    EXPECT_FALSE(bar.m_none.IsWindowEnabled());

    // The second idle round frees temporary window objects.
    CWnd* pTemporary = CWnd::FromHandle(::GetDesktopWindow());
    EXPECT_EQ(pTemporary, CWnd::FromHandle(::GetDesktopWindow()));
    EXPECT_FALSE(m_app.OnIdle(1));
    bar.DestroyWindow();
}

} // namespace
