#include "SampleDoc.h"

IMPLEMENT_DYNCREATE(CSampleDoc, CDocument)
