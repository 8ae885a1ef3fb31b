#pragma once
// Makes the flat combo box's theme of a number: 1 highlight, 2 gradient,
// any other the plain theme.
#include "CXTThemeManagerStyleFactory.h"

class CXTFlatComboBoxThemeFactory : public CXTThemeManagerStyleFactory {
    DECLARE_DYNCREATE(CXTFlatComboBoxThemeFactory)
public:
    CXTThemeManagerStyle* MakeThemeObject(int nTheme) override;
};
