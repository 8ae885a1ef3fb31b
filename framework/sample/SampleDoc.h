#pragma once
#include "Framework.h"

class CSampleDoc : public CDocument {
    DECLARE_DYNCREATE(CSampleDoc)
};
