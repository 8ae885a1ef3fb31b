#pragma once
#include "Framework.h"

// What ApplyCellRecord applies and a display request fills; mask says which fields count.
constexpr UINT GVIF_TEXT = 0x001;
constexpr UINT GVIF_IMAGE = 0x002;
constexpr UINT GVIF_PARAM = 0x004;
constexpr UINT GVIF_STATE = 0x008;
constexpr UINT GVIF_BKCLR = 0x010;
constexpr UINT GVIF_FGCLR = 0x020;
constexpr UINT GVIF_FORMAT = 0x040;
constexpr UINT GVIF_FONT = 0x080;
constexpr UINT GVIF_MARGIN = 0x100;

struct GridCellRecord {
    int row = 0;
    int col = 0;
    UINT mask = 0;
    UINT nState = 0;
    UINT nFormat = 0;
    int iImage = -1;
    COLORREF crBkClr = 0xFF000000;
    COLORREF crFgClr = 0xFF000000;
    LPARAM lParam = 0;
    LOGFONTW lfFont{};
    UINT nMargin = 0;
    CString strText;
};
