#pragma once
// Makes the caption bar's theme of a number: 1 highlight, 2 gradient, any
// other the plain theme.
#include "CXTThemeManagerStyleFactory.h"

class CXTCaptionThemeFactory : public CXTThemeManagerStyleFactory {
    DECLARE_DYNCREATE(CXTCaptionThemeFactory)
public:
    CXTThemeManagerStyle* MakeThemeObject(int nTheme) override;
};
