#pragma once
// The toolkit's one record of fonts and colours that windows paint with.
#include "Framework.h"

class ToolkitLookData {
public:
    virtual ~ToolkitLookData() = default;
    static ToolkitLookData& Instance();

    COLORREF clrBtnFace;
    COLORREF clrBtnText;
    COLORREF clrWindow;
    CFont fontNormal;   // "Tahoma" 8 pt
    CFont fontBold;
    CFont fontStatus;

private:
    ToolkitLookData();
};
