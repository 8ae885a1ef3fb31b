#pragma once
// Resources of the controls tests' own (the program's come from Orbalin.rc).
#define IDD_BUTTON_DIALOG 30100
#define IDC_DIALOG_BUTTON 30101
