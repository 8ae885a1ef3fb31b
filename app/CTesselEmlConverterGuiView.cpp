#include "CTesselEmlConverterGuiView.h"

#include "AboutDialog.h"
#include "C1PavoWelcomeView.h"
#include "C2PavoFolderTreeView.h"
#include "C3PavoSaveNsfToPst.h"
#include "CMainFrame.h"
#include "WizardMessages.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CTesselEmlConverterGuiView, CView)

BEGIN_MESSAGE_MAP(CTesselEmlConverterGuiView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_NOTIFY(TCN_SELCHANGE, 100, OnTabSelChange)
    ON_MESSAGE(WM_SELECT_STEP, OnSelectStep)
    ON_MESSAGE(WM_STOP_CURRENT, OnStopCurrent)
    ON_MESSAGE(WM_CONFIRM_STOP, OnConfirmStop)
    ON_MESSAGE(WM_ADD_FILE, OnAddFile)
    ON_MESSAGE(WM_ADD_FILES, OnAddFiles)
    ON_MESSAGE(WM_ADD_DOMINO_FILES, OnAddDominoFiles)
    ON_MESSAGE(WM_EXPORT, OnExport)
    ON_COMMAND(4, OnLocateFile)
    ON_COMMAND(5, OnHelpButton)
    ON_COMMAND(6, OnAboutButton)
    ON_COMMAND(7, OnConvertButton)
END_MESSAGE_MAP()

CTesselEmlConverterGuiView::CTesselEmlConverterGuiView() = default;

int CTesselEmlConverterGuiView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CView::OnCreate(lpcs) == -1)
        return -1;
    ModifyStyle(0, WS_CLIPCHILDREN);
    struct SideButton {
        UINT hover, normal, disabled;
        const wchar_t* tip;
    };
    static const SideButton sides[] = {{157, 155, 158, L"Click to locate .NSF File"},
                                       {161, 154, 0, L"Orbalin Help file"},
                                       {162, 156, 0, L"About Orbalin"},
                                       {164, 165, 177, L"Convert NSF to PST"}};
    for (size_t i = 0; i < m_sideButtons.size(); ++i) {
        HoverBitmapButton& button = m_sideButtons[i];
        if (button.Create(L"", WS_CHILD | WS_VISIBLE | 0x8000, CRect(0, 0, 0, 0), this, 4 + static_cast<UINT>(i))) {
            button.SetBitmaps(sides[i].hover, 0xFFFFFF, sides[i].normal, 0xFFFFFF, sides[i].disabled);
            button.SetTooltipText(sides[i].tip);
        }
    }
    if (!m_wndTabControl.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                                CRect(0, 0, 200, 200), this, 100))
        return 0;
    struct Step {
        CRuntimeClass* pClass;
        const wchar_t* caption;
    };
    const Step steps[] = {{RUNTIME_CLASS(C1PavoWelcomeView), L""},
                          {RUNTIME_CLASS(C2PavoFolderTreeView), L"Folder Selection"},
                          {RUNTIME_CLASS(C3PavoSaveNsfToPst), L"Savinf Progress"}};
    CCreateContext context;
    context.m_pCurrentDoc = GetDocument();
    for (size_t i = 0; i < m_steps.size(); ++i) {
        auto* pView = static_cast<CPavoCommonBaseView*>(steps[i].pClass->CreateObject());
        if (pView == nullptr
            || !pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &m_wndTabControl,
                              59648 + static_cast<UINT>(i), &context))
            return 0;
        m_steps[i] = pView;
        // The first item added becomes current (and is activated through TCN_SELCHANGE).
        m_wndTabControl.InsertItem(static_cast<int>(i), steps[i].caption, pView->GetSafeHwnd(), 58);
    }
    for (int i = 0; i < m_wndTabControl.CountItems(); ++i)
        m_wndTabControl.ItemAtIndex(i)->SetIntProperty(FALSE);
    // The header lies at the bottom, below the view's edge (see LayoutSteps).
    m_wndTabControl.SetPaintOption(xtpTabPositionBottom);
    if (auto* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
        pFrame->SetMainView(this);
    return 0;
}

CPavoCommonBaseView* CTesselEmlConverterGuiView::GetStepView(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_steps.size()) ? m_steps[static_cast<size_t>(nIndex)] : nullptr;
}

void CTesselEmlConverterGuiView::LayoutSteps()
{
    CRect rc;
    GetClientRect(&rc);
    const int cx = rc.Width(), cy = rc.Height();
    CRect area = m_nBannerHeight != 0 ? CRect(0, m_nBannerHeight, cx, m_nBannerHeight + cy + 25 - m_nBannerHeight)
                                      : CRect(0, 70, cx, 70 + cy - 45);
    // The tab control reaches 25 pixels below the client's bottom edge, where
    // its header lies out of sight.
    if (m_wndTabControl.GetSafeHwnd() != nullptr)
        m_wndTabControl.MoveWindow(&area);
    // The side buttons stay in the layout with no size: their commands come
    // through the frame's menu and toolbar.
    for (HoverBitmapButton& button : m_sideButtons)
        if (button.GetSafeHwnd() != nullptr)
            button.MoveWindow(0, 0, 0, 0);
}

void CTesselEmlConverterGuiView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    LayoutSteps();
}

void CTesselEmlConverterGuiView::OnDraw(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    CBitmap left, fill;
    if (!left.LoadBitmap(IDB_BANNER_LEFT))
        return;
    BITMAP bm{};
    left.GetBitmap(&bm);
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap* pOld = mem.SelectObject(&left);
    pDC->BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &mem, 0, 0, SRCCOPY);
    const int oldHeight = m_nBannerHeight;
    m_nBannerHeight = bm.bmHeight;
    m_nBannerWidth = bm.bmWidth;
    BITMAP fillInfo{};
    if (fill.LoadBitmap(IDB_BANNER_FILL) && fill.GetBitmap(&fillInfo) && fillInfo.bmWidth < rc.Width()) {
        mem.SelectObject(&fill);
        const int x = bm.bmWidth - 5;
        pDC->StretchBlt(x, 0, rc.right - x, bm.bmHeight, &mem, 0, 0, fillInfo.bmWidth, fillInfo.bmHeight, SRCCOPY);
    }
    mem.SelectObject(pOld);
    if (oldHeight != m_nBannerHeight)
        LayoutSteps();
}

bool CTesselEmlConverterGuiView::IsActiveStep(int nIndex) const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr && m_steps[static_cast<size_t>(nIndex)] != nullptr
           && pFrame->GetActiveView() == m_steps[static_cast<size_t>(nIndex)];
}

void CTesselEmlConverterGuiView::OnTabSelChange(NMHDR*, LRESULT* pResult)
{
    ActivateCurrentStep();
    *pResult = 0;
}

void CTesselEmlConverterGuiView::ActivateCurrentStep()
{
    const int nIndex = GetCurrentStepIndex();
    CPavoCommonBaseView* pView = GetStepView(nIndex);
    if (pView == nullptr)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr)
        pFrame->SetActiveView(pView);
    m_pCurrentStepView = pView;
    pView->SendMessage(WM_STEP_ACTIVATED, 0, 0);
    auto* pMain = dynamic_cast<CMainFrame*>(pFrame);
    if (pMain != nullptr) {
        if (nIndex == 0)
            pMain->SetAddFileEnabled();
        else
            pMain->ClearAddFileEnabled();
    }
    for (HoverBitmapButton* pButton : {&m_sideButtons[0], &m_sideButtons[3]})
        if (pButton->GetSafeHwnd() != nullptr)
            pButton->EnableWindow(nIndex == 0);
    for (HoverBitmapButton& button : m_sideButtons) {
        button.SetStatusWindow(pMain != nullptr ? &pMain->GetStatusBar() : nullptr);
        button.SetTabItem(m_wndTabControl.ItemAtIndex(0));
    }
}

LRESULT CTesselEmlConverterGuiView::OnSelectStep(WPARAM wParam, LPARAM)
{
    m_wndTabControl.SetCurSel(static_cast<int>(wParam));
    return 0;
}

LRESULT CTesselEmlConverterGuiView::OnStopCurrent(WPARAM, LPARAM)
{
    if (m_pCurrentStepView != nullptr)
        m_pCurrentStepView->OnStop();
    return 1;
}

LRESULT CTesselEmlConverterGuiView::OnConfirmStop(WPARAM, LPARAM)
{
    if (m_pCurrentStepView != nullptr)
        m_pCurrentStepView->SendMessage(WM_CONFIRM_STOP, 0, 0);
    return 1;
}

void CTesselEmlConverterGuiView::OnLocateFile()
{
    // Step 1's add-file operation answers WM_ADD_FILES: "Add File" or "Add File(s)" by its option.
    if (GetCurrentStepIndex() == 0 && m_steps[0] != nullptr)
        m_steps[0]->SendMessage(WM_ADD_FILES, 0, 0);
}

void CTesselEmlConverterGuiView::OnHelpButton()
{
    if (auto* pFrame = dynamic_cast<CMainFrame*>(GetParentFrame()))
        pFrame->OpenHelpFile();
}

void CTesselEmlConverterGuiView::OnAboutButton()
{
    AboutDialog dialog;
    dialog.DoModal();
}

void CTesselEmlConverterGuiView::OnConvertButton()
{
    if (GetCurrentStepIndex() == 0 && m_steps[0] != nullptr)
        m_steps[0]->OnNext();
}

LRESULT CTesselEmlConverterGuiView::OnAddFile(WPARAM, LPARAM)
{
    OnLocateFile();
    return 1;
}

LRESULT CTesselEmlConverterGuiView::OnAddFiles(WPARAM, LPARAM)
{
    if (IsActiveStep(0))
        m_steps[0]->SendMessage(WM_ADD_FILES, 0, 0);
    return 1;
}

LRESULT CTesselEmlConverterGuiView::OnAddDominoFiles(WPARAM, LPARAM)
{
    if (IsActiveStep(0))
        m_steps[0]->SendMessage(WM_ADD_DOMINO_FILES, 0, 0);
    return 0;
}

LRESULT CTesselEmlConverterGuiView::OnExport(WPARAM, LPARAM)
{
    if (IsActiveStep(0))
        m_steps[0]->SendMessage(WM_EXPORT, 0, 0);
    else if (IsActiveStep(1))
        m_steps[1]->SendMessage(WM_EXPORT, 0, 0);
    return 0;
}
