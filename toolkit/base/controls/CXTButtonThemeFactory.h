#pragma once
// Makes the button theme of a theme number: 1 highlight, 2 gradient, any
// other the classic look.
#include "CXTThemeManagerStyleFactory.h"

class CXTButtonThemeFactory : public CXTThemeManagerStyleFactory {
    DECLARE_DYNCREATE(CXTButtonThemeFactory)
public:
    CXTThemeManagerStyle* MakeThemeObject(int nTheme) override;
};
