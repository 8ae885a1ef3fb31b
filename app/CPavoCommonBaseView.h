#pragma once
#include "CXTButton.h"
#include "Framework.h"

// Base of the wizard's step views: the step list on the left, the navigation
// buttons along the bottom, and the operations each step overrides.
class CPavoCommonBaseView : public CView {
    DECLARE_DYNCREATE(CPavoCommonBaseView)
public:
    CPavoCommonBaseView();
    ~CPavoCommonBaseView() override;

    virtual void OnNext() {}
    virtual void OnBack() {}
    virtual void OnExit() {}
    virtual void OnStop() {}
    virtual void OnPreview() {}
    virtual LRESULT OnStepActivated() { return 1; }

    void AddStep(const CString& caption, const CString& description);
    int SetCurrentStep(int n) { return m_nCurrentStep = n; }
    int GetCurrentStep() const { return m_nCurrentStep; }
    void ShowNext(BOOL bShow) { ShowButton(m_btnNext, bShow); }
    void ShowBack(BOOL bShow) { ShowButton(m_btnBack, bShow); }
    void ShowExit(BOOL bShow) { ShowButton(m_btnExit, bShow); }
    void ShowStop(BOOL bShow) { ShowButton(m_btnStop, bShow); }

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnNextClicked() { OnNext(); }
    afx_msg void OnBackClicked() { OnBack(); }
    afx_msg void OnExitClicked() { OnExit(); }
    afx_msg void OnStopClicked() { OnStop(); }
    afx_msg void OnPreviewClicked() { OnPreview(); }
    afx_msg LRESULT OnStepActivatedMessage(WPARAM, LPARAM) { return OnStepActivated(); }
    DECLARE_MESSAGE_MAP()

    CXTButton m_btnNext;
    CXTButton m_btnBack;
    CXTButton m_btnStop;
    CXTButton m_btnExit;
    CXTButton m_btnPreview;

private:
    static void ShowButton(CXTButton& button, BOOL bShow);
    static void FillPanel(CDC* pDC, const CRect& rect, int kind);

    CStringArray m_captions;
    CStringArray m_descriptions;
    HIMAGELIST m_hStepImages = nullptr;
    int m_nCurrentStep = 0;
    CString m_strFiller = L"DDDDDDDDDDD";
    CString m_strHelp;
};
