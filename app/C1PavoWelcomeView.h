#pragma once
#include "CPavoCommonBaseView.h"

// Step 1 view: the databases to convert.
class C1PavoWelcomeView : public CPavoCommonBaseView {
    DECLARE_DYNCREATE(C1PavoWelcomeView)
public:
    LRESULT OnStepActivated() override;
    void OnNext() override;
    void OnBack() override;
    void OnExit() override;
};
