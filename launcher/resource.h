#pragma once
// Resource ids of OrbalinStart.
#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_ORBALINSTART_DIALOG 102
#define IDR_MAINFRAME           128
#define IDM_ABOUTBOX            0x0010
