#include "CXTButtonThemeFactory.h"

#include "CXTButtonThemeGradient.h"

IMPLEMENT_DYNCREATE(CXTButtonThemeFactory, CXTThemeManagerStyleFactory)

CXTThemeManagerStyle* CXTButtonThemeFactory::MakeThemeObject(int nTheme)
{
    CXTThemeManagerStyle* pTheme = nullptr;
    switch (nTheme) {
    case 1:
        pTheme = new CXTButtonThemeHighlight();
        break;
    case 2:
        pTheme = new CXTButtonThemeGradient();
        break;
    default:
        pTheme = new CXTButtonTheme();
        break;
    }
    pTheme->SetThemeNumber(nTheme);
    return pTheme;
}
