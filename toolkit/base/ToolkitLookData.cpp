#include "ToolkitLookData.h"

ToolkitLookData& ToolkitLookData::Instance()
{
    static ToolkitLookData data;
    return data;
}

ToolkitLookData::ToolkitLookData()
    : clrBtnFace(::GetSysColor(COLOR_BTNFACE)),
      clrBtnText(::GetSysColor(COLOR_BTNTEXT)),
      clrWindow(::GetSysColor(COLOR_WINDOW))
{
    LOGFONTW lf{};
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, L"Tahoma", LF_FACESIZE);
    fontNormal.CreateFontIndirect(&lf);
    fontStatus.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    fontBold.CreateFontIndirect(&lf);
}
