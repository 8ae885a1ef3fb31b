#pragma once
// The records the grid sends its owner with WM_NOTIFY.
#include "CGridCellBlock.h"
#include "GridCellRecord.h"

// Notification codes.
constexpr int GVN_CLICK = -2;
constexpr int GVN_DBLCLICK = -3;
constexpr int GVN_RCLICK = -5;
constexpr int GVN_SELCHANGING = -100;
constexpr int GVN_SELCHANGED = -101;
constexpr int GVN_BEGINDRAG = -109;
constexpr int GVN_ODCACHEHINT = -113;
constexpr int GVN_BEGINLABELEDIT = -175;
constexpr int GVN_ENDLABELEDIT = -176;
constexpr int GVN_GETDISPINFO = -177;

// Cell state bits.
constexpr UINT GVIS_FOCUSED = 0x01;
constexpr UINT GVIS_SELECTED = 0x02;
constexpr UINT GVIS_DROPHILITED = 0x04;
constexpr UINT GVIS_READONLY = 0x08;
constexpr UINT GVIS_FIXED = 0x10;
constexpr UINT GVIS_FIXEDROW = 0x20;
constexpr UINT GVIS_FIXEDCOL = 0x40;
constexpr UINT GVIS_MODIFIED = 0x80;

// "Take the default cell's colour".
constexpr COLORREF CLR_DEFAULT_CELL = 0xFF000000;

struct GridCellNotice {
    NMHDR hdr;
    int iRow;
    int iColumn;
};

struct GridCellRequest {
    NMHDR hdr;
    GridCellRecord item;
};

struct GridBlockNotice {
    NMHDR hdr;
    CGridCellBlock cellRange;
};
