#include "CXTCaptionButtonThemeFactory.h"

#include "CXTCaptionButtonTheme.h"
#include "CXTCaptionButtonThemeGradient.h"
#include "CXTCaptionButtonThemeHighlight.h"

IMPLEMENT_DYNCREATE(CXTCaptionButtonThemeFactory, CXTThemeManagerStyleFactory)

CXTThemeManagerStyle* CXTCaptionButtonThemeFactory::MakeThemeObject(int nTheme)
{
    CXTButtonTheme* pTheme = nullptr;
    switch (nTheme) {
    case 1:
        pTheme = new CXTCaptionButtonThemeHighlight;
        break;
    case 2:
        pTheme = new CXTCaptionButtonThemeGradient;
        break;
    default:
        pTheme = new CXTCaptionButtonTheme;
        break;
    }
    pTheme->SetThemeNumber(nTheme);
    return pTheme;
}
