#pragma once
// Makes the caption button's theme of a number: 1 highlight, 2 gradient, any
// other the plain theme.
#include "CXTThemeManagerStyleFactory.h"

class CXTCaptionButtonThemeFactory : public CXTThemeManagerStyleFactory {
    DECLARE_DYNCREATE(CXTCaptionButtonThemeFactory)
public:
    CXTThemeManagerStyle* MakeThemeObject(int nTheme) override;
};
