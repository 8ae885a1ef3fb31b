#pragma once
#include "CPavoCommonBaseView.h"
#include "CWorkerThread.h"
#include "CXTCaption.h"
#include "ProgressBar.h"
#include "SaveDriver.h"

// Step 3 view: runs the save on its own thread and shows its progress, a status
// row per database and the outcome.
class C3PavoSaveNsfToPst : public CPavoCommonBaseView {
    DECLARE_DYNCREATE(C3PavoSaveNsfToPst)
public:
    C3PavoSaveNsfToPst();
    ~C3PavoSaveNsfToPst() override;

    LRESULT OnStepActivated() override;
    void OnNext() override;
    void OnBack() override;
    void OnExit() override;
    void OnStop() override;
    void OnInitialUpdate() override;

    // The caption after a save and the message shown with it (empty: the Saving
    // Complete dialog).
    static CString OutcomeCaption(bool bAborted, SaveDriver::Outcome outcome);
    static CString OutcomeMessage(bool bAborted, SaveDriver::Outcome outcome);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    UINT SaveThread();
    void SetCaption(const CString& text);

    ProgressBar m_bar1;   // databases
    ProgressBar m_bar2;   // folders (the reader's)
    ProgressBar m_bar3;   // items (the reader's)
    CXTCaption m_caption;
    CWorkerThread m_saveThread;
    volatile int m_nAborted = 0;
    CListCtrl m_list;
};
