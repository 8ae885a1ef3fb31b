#include "CPavoCommonBaseView.h"

#include "CXTGradientFiller.h"
#include "CXTMemDC.h"
#include "ToolkitLookData.h"
#include "WizardMessages.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CPavoCommonBaseView, CView)

BEGIN_MESSAGE_MAP(CPavoCommonBaseView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_BN_CLICKED(1, OnNextClicked)
    ON_BN_CLICKED(2, OnBackClicked)
    ON_BN_CLICKED(3, OnExitClicked)
    ON_BN_CLICKED(4, OnStopClicked)
    ON_BN_CLICKED(5, OnPreviewClicked)
    ON_MESSAGE(WM_STEP_ACTIVATED, OnStepActivatedMessage)
END_MESSAGE_MAP()

CPavoCommonBaseView::CPavoCommonBaseView()
{
    m_hStepImages = ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_STEP_IMAGES), 16, 0,
                                         RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

CPavoCommonBaseView::~CPavoCommonBaseView()
{
    if (m_hStepImages != nullptr)
        ImageList_Destroy(m_hStepImages);
}

int CPavoCommonBaseView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CView::OnCreate(lpcs) == -1)
        return -1;
    const CRect none(0, 0, 0, 0);
    m_btnNext.Create(L"Next", WS_CHILD | WS_VISIBLE, none, this, 1);
    m_btnBack.Create(L"Back", WS_CHILD | WS_VISIBLE, none, this, 2);
    m_btnExit.Create(L"Exit", WS_CHILD | WS_VISIBLE, none, this, 3);
    m_btnStop.Create(L"Stop", WS_CHILD | WS_VISIBLE, none, this, 4);
    m_btnPreview.Create(L"Preview", WS_CHILD, none, this, 5);
    for (CXTButton* pButton : {&m_btnNext, &m_btnBack, &m_btnExit, &m_btnStop, &m_btnPreview})
        pButton->SetFont(&ToolkitLookData().fontNormal);
    return 0;
}

void CPavoCommonBaseView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    m_btnNext.SetIcon(CSize(16, 16), 169);
    m_btnBack.SetIcon(CSize(16, 16), 170);
    m_btnExit.SetIcon(CSize(16, 16), 171);
    m_btnStop.SetIcon(CSize(16, 16), 172);
    m_btnPreview.SetIcon(CSize(16, 16), 212);
    AddStep(L"Step 1", L"Please select NSF file(s) or domino file(s) to convert ");
    AddStep(L"Step 2", L"Preview Calendar of NSF database (in case of single NSF file selection only )");
    AddStep(L"Step 3", L"Select and Save folder in .PST file or Excel File");
}

void CPavoCommonBaseView::AddStep(const CString& caption, const CString& description)
{
    m_captions.Add(caption);
    m_descriptions.Add(description);
}

void CPavoCommonBaseView::ShowButton(CXTButton& button, BOOL bShow)
{
    if (button.GetSafeHwnd() != nullptr)
        button.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CPavoCommonBaseView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_btnBack.GetSafeHwnd() == nullptr)
        return;
    const int y = cy - 50;
    m_btnNext.MoveWindow(cx - 120, y, 100, 30);
    m_btnStop.MoveWindow(cx - 120, y, 100, 30);
    m_btnBack.MoveWindow(cx - 240, y, 100, 30);
    m_btnPreview.MoveWindow(cx - 240, y, 100, 30);
    m_btnExit.MoveWindow(m_btnBack.IsWindowVisible() ? cx - 360 : cx - 240, y, 100, 30);
}

void CPavoCommonBaseView::FillPanel(CDC* pDC, const CRect& rect, int kind)
{
    pDC->FillSolidRect(&rect, 0xADB2AD);
    CRect inner = rect;
    inner.DeflateRect(1, 1);
    static const COLORREF starts[] = {0xFFFFFF, 0xFFFFFF, 0xA9F2FF};
    static const COLORREF ends[] = {0xEFFEFF, 0xFFFFFF, 0xFFFFFF};
    CXTGradientFiller::Instance().FillGradient(pDC, inner, starts[kind], ends[kind], FALSE);
}

void CPavoCommonBaseView::OnDraw(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    CXTMemDC dc(pDC, rc);
    FillPanel(&dc, CRect(100, 0, rc.right, rc.bottom), 0);
    FillPanel(&dc, CRect(0, 0, 200, rc.bottom), 1);
    dc.SetBkMode(TRANSPARENT);
    auto& look = ToolkitLookData();
    CFont* pOldFont = dc.SelectObject(&look.fontNormal);
    for (int i = 0; i < static_cast<int>(m_captions.GetSize()); ++i) {
        const bool current = i == m_nCurrentStep;
        const bool earlier = i < m_nCurrentStep;
        dc.SelectObject(&look.fontNormal);
        dc.SetTextColor(current ? 0xFF0000 : earlier ? 0x000000 : 0x888888);
        CRect description(50, 40 + 70 * i, 180, 100 + 70 * i);
        dc.DrawText(m_descriptions[i], &description, DT_WORDBREAK | DT_NOPREFIX);
        dc.SelectObject(&look.fontBold);
        dc.SetTextColor(current ? 0x0000FF : earlier ? 0x005B00 : 0x888888);
        CRect caption(50, 20 + 70 * i, 180, 40 + 70 * i);
        dc.DrawText(m_captions[i], &caption, 0);
        if ((current || earlier) && m_hStepImages != nullptr)
            ImageList_Draw(m_hStepImages, current ? 46 : 53, dc.GetSafeHdc(), 20, 19 + 70 * i, ILD_TRANSPARENT);
    }
    dc.SelectObject(pOldFont);
    dc.FillSolidRect(CRect(200, rc.bottom - 10, rc.right, rc.bottom), 0x0AD3FB);
    CBitmap footer;
    if (footer.LoadBitmap(IDB_STEP_FOOTER)) {
        BITMAP bm{};
        footer.GetBitmap(&bm);
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        CBitmap* pOld = mem.SelectObject(&footer);
        dc.BitBlt(10, rc.bottom - 10 - bm.bmHeight, bm.bmWidth, bm.bmHeight, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(pOld);
    }
}
