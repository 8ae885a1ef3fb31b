#pragma once
#include <windows.h>

// The modeless "please wait" dialog as the scan and the preview report to it: its
// progress bar takes PBM_SETPOS, its status text is set and repainted.
class IWaitDialog {
public:
    virtual ~IWaitDialog() = default;
    virtual HWND GetDialogWindow() const = 0;
    virtual HWND GetProgressBarWindow() const = 0;
    virtual HWND GetStatusTextWindow() const = 0;
};
