#pragma once
// Drives a running Orbalin from outside: finds its windows by class, title and
// control id, posts clicks, sets texts and reads list views across the process
// boundary.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "OrbalinProcess.h"

class WizardDriver {
public:
    explicit WizardDriver(OrbalinProcess& program);
    ~WizardDriver();

    // A visible dialog of the program with this title; null when none came in time.
    HWND WaitForDialog(const std::wstring& title, DWORD milliseconds = 30000) const;
    // A visible dialog with the given text in the control of that id.
    HWND WaitForDialogText(int id, const std::wstring& prefix, DWORD milliseconds = 30000) const;
    static bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = 30000);

    static void Click(HWND parent, int id);
    static void SetText(HWND window, const std::wstring& text);
    static std::wstring Text(HWND window);
    static HWND ChildOfClass(HWND parent, const std::wstring& cls);

    int ItemCount(HWND list) const;
    std::wstring ItemText(HWND list, int item, int column) const;
    std::vector<std::wstring> Column(HWND list, int column) const;
    bool IsChecked(HWND list, int item) const;
    // Clicks the item as the mouse would (the list then notifies its parent).
    bool ClickItem(HWND list, int item) const;

private:
    HANDLE m_process = nullptr;
    void* m_remote = nullptr;   // scratch memory in the program
    OrbalinProcess& m_program;
};
