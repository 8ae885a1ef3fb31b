#pragma once
#include "CPavoCommonBaseView.h"

// Step 2 view: folder selection and preview.
class C2PavoFolderTreeView : public CPavoCommonBaseView {
    DECLARE_DYNCREATE(C2PavoFolderTreeView)
public:
    LRESULT OnStepActivated() override;
    void OnNext() override;
    void OnBack() override;
    void OnExit() override;
};
