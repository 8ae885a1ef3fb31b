#include "CRgn.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
