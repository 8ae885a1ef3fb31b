#include "CXTFlatComboBoxThemeFactory.h"

#include "CXTFlatComboBoxThemeGradient.h"

IMPLEMENT_DYNCREATE(CXTFlatComboBoxThemeFactory, CXTThemeManagerStyleFactory)

CXTThemeManagerStyle* CXTFlatComboBoxThemeFactory::MakeThemeObject(int nTheme)
{
    CXTFlatComboBoxTheme* pTheme = nullptr;
    switch (nTheme) {
    case 1:
        pTheme = new CXTFlatComboBoxThemeHighlight;
        break;
    case 2:
        pTheme = new CXTFlatComboBoxThemeGradient;
        break;
    default:
        pTheme = new CXTFlatComboBoxTheme;
        break;
    }
    pTheme->SetThemeNumber(nTheme);
    return pTheme;
}
