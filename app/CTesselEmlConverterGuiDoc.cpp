#include "CTesselEmlConverterGuiDoc.h"

IMPLEMENT_DYNCREATE(CTesselEmlConverterGuiDoc, CDocument)
