#pragma once
#include "CPavoCommonBaseView.h"

// Step 3 view: saving progress.
class C3PavoSaveNsfToPst : public CPavoCommonBaseView {
    DECLARE_DYNCREATE(C3PavoSaveNsfToPst)
public:
    LRESULT OnStepActivated() override;
    void OnNext() override;
    void OnBack() override;
    void OnExit() override;
};
