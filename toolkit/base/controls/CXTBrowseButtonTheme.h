#pragma once
// The browse button's look: the classic one, with its small icon drawn
// greyed by the system when the button is disabled.
#include "CXTButtonTheme.h"

class CXTBrowseButtonTheme : public CXTButtonTheme {
public:
    void DrawButtonImage(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton) override;
};
