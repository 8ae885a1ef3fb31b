#pragma once
// Answers a modal dialog that the code under test opens on the test's thread,
// as a user would: a thread of its own waits, with a bound, for the process's
// first visible dialog window and hands it to the answer.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace testsupport {

// The first visible dialog window (#32770) of this process; null when none.
HWND FindOwnDialog();
// Presses the dialog's button nID (posted, as a click would come).
void PressDialogButton(HWND hDialog, int nID);
// Types the name into a file dialog's name box (explorer or old layout).
void FillFileName(HWND hDialog, const std::wstring& name);
// The texts of the dialog's child windows, joined by newlines.
std::wstring DialogTexts(HWND hDialog);

class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(HWND)> answer, unsigned timeoutMs = 15000);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Stops waiting; true when a dialog was found and answered.
    bool Finish();

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_answered{false};
    std::thread m_thread;
};

} // namespace testsupport
