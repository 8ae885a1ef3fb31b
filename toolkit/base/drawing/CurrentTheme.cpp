#include "CurrentTheme.h"

ColorSchemeKind GetCurrentTheme()
{
    return GetColorManager()->GetCurrentTheme();
}
