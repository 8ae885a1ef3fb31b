#pragma once
#include "CXTTabWindow.h"
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

    int GetCurrentStepIndex() const
    {
        const CXTPTabManagerItem* pItem = m_wndTabControl.CurrentSelection();
        return pItem != nullptr ? pItem->GetIndex() : -1;
    }
    CXTTabWindow& GetTabControl() { return m_wndTabControl; }
    CPavoCommonBaseView* GetStepView(int nIndex) const;
    CPavoCommonBaseView* GetCurrentStepView() const { return m_pCurrentStepView; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnTabSelChange(NMHDR*, LRESULT* pResult);
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
    // Makes the current tab item's view the active step.
    void ActivateCurrentStep();
    bool IsActiveStep(int nIndex) const;
    void LayoutSteps();

    CXTTabWindow m_wndTabControl;   // the step host; its headers stay hidden
    int m_nBannerHeight = 33;
    int m_nBannerWidth = 0;
    CPavoCommonBaseView* m_pCurrentStepView = nullptr;
    std::array<CPavoCommonBaseView*, 3> m_steps{};   // pages of the tab control; they delete themselves
    std::array<HoverBitmapButton, 4> m_sideButtons;   // ids 4 to 7
};
