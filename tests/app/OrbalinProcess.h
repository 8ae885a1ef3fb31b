#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Orbalin.exe started as a process, with the windows of that process at hand.
class OrbalinProcess {
public:
    // notesDir: the Notes client folder put first on PATH; workDir: the current
    // directory (where the program looks for its help file); empty: inherited.
    bool Start(const std::wstring& notesDir, const std::wstring& workDir = {});
    ~OrbalinProcess();

    DWORD Id() const { return m_pi.dwProcessId; }
    bool WaitForExit(DWORD milliseconds);
    HWND WaitForMainWindow(DWORD milliseconds = 20000) const;
    // A message box of the process whose text is text; null when none appeared in time.
    HWND WaitForMessageBox(const std::wstring& text, DWORD milliseconds = 20000) const;
    static std::wstring MessageBoxText(HWND box);
    // Top-level windows of the process.
    std::vector<HWND> Windows() const;

private:
    PROCESS_INFORMATION m_pi{};
};

// Answers a message box as if its button id had been pressed.
void PressButton(HWND box, int id);
