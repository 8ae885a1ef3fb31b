#pragma once
#include "Framework.h"
#include "HoverBitmapButton.h"
#include <array>

class CPavoCommonBaseView;

// The document's view: the banner across the top and the three wizard steps,
// of which one is shown; steps change only through WM_SELECT_STEP.
class CTesselEmlConverterGuiView : public CView {
    DECLARE_DYNCREATE(CTesselEmlConverterGuiView)
public:
    CTesselEmlConverterGuiView();
    void OnDraw(CDC* pDC) override;

    int GetCurrentStepIndex() const { return m_nCurrentItem; }
    CPavoCommonBaseView* GetStepView(int nIndex) const;
    CPavoCommonBaseView* GetCurrentStepView() const { return m_pCurrentStepView; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg LRESULT OnSelectStep(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnStopCurrent(WPARAM, LPARAM);
    afx_msg LRESULT OnConfirmStop(WPARAM, LPARAM);
    afx_msg LRESULT OnAddFile(WPARAM, LPARAM);
    afx_msg LRESULT OnAddFiles(WPARAM, LPARAM);
    afx_msg LRESULT OnAddDominoFiles(WPARAM, LPARAM);
    afx_msg LRESULT OnExport(WPARAM, LPARAM);
    afx_msg void OnLocateFile();
    afx_msg void OnHelpButton();
    afx_msg void OnAboutButton();
    afx_msg void OnConvertButton();
    DECLARE_MESSAGE_MAP()

private:
    // The step host: makes item nIndex current and activates its view.
    void SelectItem(int nIndex);
    bool IsActiveStep(int nIndex) const;
    void LayoutSteps();

    int m_nBannerHeight = 33;
    int m_nBannerWidth = 0;
    CPavoCommonBaseView* m_pCurrentStepView = nullptr;
    std::array<CPavoCommonBaseView*, 3> m_steps{};   // child windows; they delete themselves
    int m_nCurrentItem = -1;
    std::array<HoverBitmapButton, 4> m_sideButtons;   // ids 4 to 7
};
