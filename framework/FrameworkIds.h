#pragma once
// Command ids, window ids, string ids, private messages and control-bar style
// bits that the framework and the programs built on it share.
#include "Afx.h"

// Private window messages of the framework.
#define WM_SIZEPARENT       0x0361  // lParam: AFX_SIZEPARENTPARAMS*, a control bar takes its space
#define WM_SETMESSAGESTRING 0x0362  // wParam: string id, or lParam: text, for the status line
#define WM_IDLEUPDATECMDUI  0x0363  // wParam: disable commands without a handler
#define WM_INITIALUPDATE    0x0364  // sent to views and bars after the frame is built
#define WM_COMMANDHELP      0x0365
#define WM_HELPHITTEST      0x0366
#define WM_POPMESSAGESTRING 0x0375  // the status line shows the previous text again
#define WM_EXITHELPMODE     0x0367
#define WM_RECALCPARENT     0x0368
#define WM_SIZECHILD        0x0369
#define WM_KICKIDLE         0x036A  // sent to a modal dialog while its loop is idle
#define WM_QUERYCENTERWND   0x036B
#define WM_DISABLEMODAL     0x036C
#define WM_FLOATSTATUS      0x036D
// wParam of WM_FLOATSTATUS: what the floating windows of a frame are to do.
#define FS_SHOW             0x01
#define FS_HIDE             0x02
#define FS_ACTIVATE         0x04
#define FS_DEACTIVATE       0x08
#define FS_ENABLE           0x10
#define FS_DISABLE          0x20
#define FS_SYNCACTIVE       0x40
// Style bit of a popup window that follows its frame's activation (WM_FLOATSTATUS).
#define MFS_SYNCACTIVE      0x00000100L
#define WM_ACTIVATETOPLEVEL 0x036E

// All WM_CTLCOLORxxx messages reach message maps as this one (see AFX_CTLCOLOR).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR         0x0019
#endif

// Marks message handlers in class declarations.
#define afx_msg

// Reflected messages arrive at the child control as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE     0xBC00

// Command notification codes used in command routing (OnCmdMsg).
#define CN_COMMAND              0
#define CN_UPDATE_COMMAND_UI    ((UINT)(-1))
#define CN_EVENT                ((UINT)(-2))
#define CN_OLEVERB              ((UINT)(-3))

// Standard commands.
#define ID_SEPARATOR            0
#define ID_FILE_NEW             0xE100
#define ID_FILE_OPEN            0xE101
#define ID_FILE_CLOSE           0xE102
#define ID_FILE_SAVE            0xE103
#define ID_FILE_SAVE_AS         0xE104
#define ID_FILE_PAGE_SETUP      0xE105
#define ID_FILE_PRINT_SETUP     0xE106
#define ID_FILE_PRINT           0xE107
#define ID_FILE_PRINT_DIRECT    0xE108
#define ID_FILE_PRINT_PREVIEW   0xE109
#define ID_FILE_UPDATE          0xE10A
#define ID_FILE_SAVE_COPY_AS    0xE10B
#define ID_FILE_SEND_MAIL       0xE10C
#define ID_FILE_MRU_FIRST       0xE110
#define ID_FILE_MRU_FILE1       0xE110
#define ID_FILE_MRU_FILE2       0xE111
#define ID_FILE_MRU_FILE3       0xE112
#define ID_FILE_MRU_FILE4       0xE113
#define ID_FILE_MRU_LAST        0xE11F
#define ID_EDIT_CLEAR           0xE120
#define ID_EDIT_CLEAR_ALL       0xE121
#define ID_EDIT_COPY            0xE122
#define ID_EDIT_CUT             0xE123
#define ID_EDIT_FIND            0xE124
#define ID_EDIT_PASTE           0xE125
#define ID_EDIT_REPEAT          0xE128
#define ID_EDIT_REPLACE         0xE129
#define ID_EDIT_SELECT_ALL      0xE12A
#define ID_EDIT_UNDO            0xE12B
#define ID_EDIT_REDO            0xE12C
#define ID_WINDOW_NEW           0xE130
#define ID_WINDOW_ARRANGE       0xE131
#define ID_WINDOW_CASCADE       0xE132
#define ID_WINDOW_TILE_HORZ     0xE133
#define ID_WINDOW_TILE_VERT     0xE134
#define ID_WINDOW_SPLIT         0xE135
#define ID_APP_ABOUT            0xE140
#define ID_APP_EXIT             0xE141
#define ID_HELP_INDEX           0xE142
#define ID_HELP_FINDER          0xE143
#define ID_HELP_USING           0xE144
#define ID_CONTEXT_HELP         0xE145
#define ID_HELP                 0xE146
#define ID_DEFAULT_HELP         0xE147
#define ID_NEXT_PANE            0xE150
#define ID_PREV_PANE            0xE151
#define ID_VIEW_TOOLBAR         0xE800
#define ID_VIEW_STATUS_BAR      0xE801

// Status-bar indicators.
#define ID_INDICATOR_EXT        0xE700
#define ID_INDICATOR_CAPS       0xE701
#define ID_INDICATOR_NUM        0xE702
#define ID_INDICATOR_SCRL       0xE703
#define ID_INDICATOR_OVR        0xE704
#define ID_INDICATOR_REC        0xE705
#define ID_INDICATOR_KANA       0xE706

// Window ids of a frame's parts.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST  0xE8FF
#define AFX_IDW_TOOLBAR          0xE800
#define AFX_IDW_STATUS_BAR       0xE801
#define AFX_IDW_PREVIEW_BAR      0xE802
#define AFX_IDW_RESIZE_BAR       0xE803
#define AFX_IDW_REBAR            0xE804
#define AFX_IDW_DIALOGBAR        0xE805
#define AFX_IDW_DOCKBAR_TOP      0xE81B
#define AFX_IDW_DOCKBAR_LEFT     0xE81C
#define AFX_IDW_DOCKBAR_RIGHT    0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM   0xE81E
#define AFX_IDW_DOCKBAR_FLOAT    0xE81F
#define AFX_IDW_PANE_FIRST       0xE900
#define AFX_IDW_PANE_LAST        0xE9FF
#define AFX_IDW_HSCROLL_FIRST    0xEA00
#define AFX_IDW_VSCROLL_FIRST    0xEA10
#define AFX_IDW_SIZE_BOX         0xEA20
#define AFX_IDW_PANE_SAVE        0xEA21

// Framework strings.
#define AFX_IDS_APP_TITLE        0xE000
#define AFX_IDS_IDLEMESSAGE      0xE001
#define AFX_IDS_HELPMODEMESSAGE  0xE002
#define AFX_IDS_UNTITLED         0xF000

// Resource id of the frame's default icon, menu and accelerators.
#define AFX_IDR_MAINFRAME        128

// Control-bar style bits (the bar's own style word, not the window style).
#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L
#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_BORDER_ANY     0x0F00L
#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_FLOAT_MULTI    0x0040L
#define CBRS_BORDER_3D      0x0080L
#define CBRS_HIDE_INPLACE   0x0008L
#define CBRS_SIZE_DYNAMIC   0x0004L
#define CBRS_SIZE_FIXED     0x0002L
#define CBRS_FLOATING       0x0001L
#define CBRS_GRIPPER        0x00400000L
#define CBRS_ORIENT_HORZ    (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT    (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY     (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL            0x0040FFFFL
#define CBRS_NOALIGN        0x00000000L
#define CBRS_LEFT           (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT          (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Window-state flags kept in CWnd::m_nFlags.
#define WF_TOOLTIPS         0x0001
#define WF_TEMPHIDE         0x0002
#define WF_STAYDISABLED     0x0004
#define WF_MODALLOOP        0x0008
#define WF_CONTINUEMODAL    0x0010
#define WF_OLECTLCONTAINER  0x0100
#define WF_TRACKINGTOOLTIPS 0x0400

// Flags of CWnd::RunModalLoop.
#define MLF_NOIDLEMSG       0x0001
#define MLF_NOKICKIDLE      0x0002
#define MLF_SHOWONIDLE      0x0004

// Frame styles of CFrameWnd::LoadFrame and Create.
#define FWS_ADDTOTITLE      0x00008000L
#define FWS_PREFIXTITLE     0x00004000L
#define FWS_SNAPTOBARS      0x00002000L

// Modes of CWnd::RepositionBars.
#define reposDefault        0
#define reposQuery          1
#define reposExtra          0x8000
