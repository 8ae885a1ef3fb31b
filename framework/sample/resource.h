#pragma once
// Resource ids of the sample program.
#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_TEXT 1001
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
