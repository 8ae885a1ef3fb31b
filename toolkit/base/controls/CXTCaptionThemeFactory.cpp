#include "CXTCaptionThemeFactory.h"

#include "CXTCaptionThemeGradient.h"
#include "CXTCaptionThemeHighlight.h"

IMPLEMENT_DYNCREATE(CXTCaptionThemeFactory, CXTThemeManagerStyleFactory)

CXTThemeManagerStyle* CXTCaptionThemeFactory::MakeThemeObject(int nTheme)
{
    CXTCaptionTheme* pTheme = nullptr;
    switch (nTheme) {
    case 1:
        pTheme = new CXTCaptionThemeHighlight;
        break;
    case 2:
        pTheme = new CXTCaptionThemeGradient;
        break;
    default:
        pTheme = new CXTCaptionTheme;
        break;
    }
    pTheme->SetThemeNumber(nTheme);
    return pTheme;
}
