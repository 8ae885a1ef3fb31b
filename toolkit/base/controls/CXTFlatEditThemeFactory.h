#pragma once
// Makes the flat edit's theme of a number: 1 highlight, 2 gradient, any other
// the plain theme.
#include "CXTThemeManagerStyleFactory.h"

class CXTFlatEditThemeFactory : public CXTThemeManagerStyleFactory {
    DECLARE_DYNCREATE(CXTFlatEditThemeFactory)
public:
    CXTThemeManagerStyle* MakeThemeObject(int nTheme) override;
};
