#pragma once
// Numbers shared by command bars, their controls and their owner: private
// messages to the site window, control types, hide flags, control flags and
// the layout mode bits of the bars' size calculations.
#include "Framework.h"

#define WM_CMDBARS_VISIBILITYCHANGED 0x2855
#define WM_CMDBARS_CONTROLSELECTED 0x2856
#define WM_CMDBARS_SELCHANGED 0x2857
#define WM_CMDBARS_TRACKINGMODE 0x2858
#define WM_CMDBARS_CONTROLRCLICK 0x2859
#define WM_CMDBARS_KEYDOWN 0x285A
#define WM_CMDBARS_POPUPOPENING 0x285B
#define WM_CMDBARS_CONTEXTMENU 0x285C
#define WM_CMDBARS_POPUPCLOSED 0x285D
#define WM_CMDBARS_CREATECONTROL 0x285E
#define WM_CMDBARS_CONTROLCREATED 0x285F
#define WM_CMDBARS_GETMDICHILDICON 0x2860
#define WM_CMDBARS_CREATECOMMANDBAR 0x2861
#define WM_CMDBARS_CONTROLNOTIFY 0x2862

// Notification code of a control that executed its command.
#define CBN_XTP_EXECUTE 100

enum XTPControlType {
    xtpControlPlain = 0,
    xtpControlButton = 1,
    xtpControlPopup = 2,
    xtpControlButtonPopup = 3,
    xtpControlSplitButtonPopup = 4,
    xtpControlComboBox = 5,
    xtpControlEdit = 6,
    xtpControlCustom = 7,
    xtpControlLabel = 8
};

// Why a control is hidden (any bit hides it).
enum XTPControlHideFlags {
    xtpHideGeneric = 0x01,
    xtpHideWrap = 0x02,          // no room in the bar
    xtpHideDockingPosition = 0x04,
    xtpHideScroll = 0x08,        // tolerated by keyboard walks
    xtpHideCustomize = 0x10,
    xtpHideExpand = 0x20,        // collapsed in an adaptive menu
    xtpHideDocTemplate = 0x40
};

enum XTPControlFlags {
    xtpFlagRightAlign = 0x01,
    xtpFlagSkipFocus = 0x02,
    xtpFlagManualUpdate = 0x08,
    xtpFlagNoMovable = 0x10,
    xtpFlagControlStretched = 0x20
};

enum XTPButtonStyle {
    xtpButtonAutomatic = 0,
    xtpButtonCaption = 1,
    xtpButtonIcon = 2,
    xtpButtonIconAndCaption = 3
};

// Layout mode bits of the bars' size calculations.
#define LM_STRETCH 0x01     // stretch the result to the full length
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04    // the bar's remembered width is the length
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10    // rows become columns
#define LM_LENGTHY 0x20     // the length is a height
#define LM_COMMIT 0x40      // write the result into the controls
#define LM_SINGLEROW 0x80   // one row; what doesn't fit is hidden
#define LM_GROUPROWS 0x100  // every group starts a row

class CXTPControl;

// lParam of WM_CMDBARS_CONTROLNOTIFY.
struct ControlNotify {
    HWND hwndFrom;
    int nID;
    int nCode;
    CXTPControl* pControl;
};

// wParam of WM_CMDBARS_KEYDOWN: the key a tracking bar is handling and its
// key data; the site may change the key.
struct KeyDownNotify {
    UINT nChar;
    LPARAM lParam;
};

// lParam of WM_CMDBARS_CREATECONTROL and WM_CMDBARS_CONTROLCREATED for menu items.
struct ControlCreateInfo {
    int nID;
    CXTPControl* pControl;   // the site may supply one
    int nReserved;
    int nIndex;
    HMENU hMenu;
    HWND hWnd;
    CString strCaption;
    int controlType;
    int buttonStyle;
};

// The cursor of a customize resize of a control's width.
#define XTP_IDC_VRESIZE 9972
