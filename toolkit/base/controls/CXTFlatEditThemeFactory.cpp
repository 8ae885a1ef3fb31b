#include "CXTFlatEditThemeFactory.h"

#include "CXTFlatEditThemeGradient.h"

IMPLEMENT_DYNCREATE(CXTFlatEditThemeFactory, CXTThemeManagerStyleFactory)

CXTThemeManagerStyle* CXTFlatEditThemeFactory::MakeThemeObject(int nTheme)
{
    CXTFlatEditTheme* pTheme = nullptr;
    switch (nTheme) {
    case 1:
        pTheme = new CXTFlatEditThemeHighlight;
        break;
    case 2:
        pTheme = new CXTFlatEditThemeGradient;
        break;
    default:
        pTheme = new CXTFlatEditTheme;
        break;
    }
    pTheme->SetThemeNumber(nTheme);
    return pTheme;
}
