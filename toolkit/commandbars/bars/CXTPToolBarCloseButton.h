#pragma once
// The close button in the caption of a floating toolbar: executing it hides
// the bar.
#include "CXTPControl.h"

class CXTPToolBarCloseButton : public CXTPControl {
    DECLARE_DYNCREATE(CXTPToolBarCloseButton)
public:
    CXTPToolBarCloseButton();

    void Execute() override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
};
