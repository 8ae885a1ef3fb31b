#pragma once
// A top-level test window at a fixed place on the test display that hosts
// controls, reflects their notifications to them and records the commands it
// receives itself. Helpers wait, with a bound, for what the tests need.
#include "Framework.h"

#include <functional>
#include <vector>

class ControlHostWindow : public CWnd {
public:
    explicit ControlHostWindow(const CRect& rect = CRect(40, 40, 440, 240), COLORREF clrBack = 0xFFFFFF);
    ~ControlHostWindow() override;

    // WM_COMMAND wParam and lParam of every command that no control took as
    // its own reflected notification, in order.
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    // Other messages whose number the test asked for, in order.
    std::vector<UINT> watched;
    UINT watchFrom = 0;
    UINT watchTo = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HBRUSH m_hBrush;
};

namespace controltest {

// Pumps messages until done() or the bound passes; answers done().
bool PumpUntil(const std::function<bool()>& done, unsigned boundMs = 3000);
// Moves the pointer and lets the system see it.
void MovePointer(CPoint ptScreen);
// Runs action; meanwhile a second thread waits for a message box of this
// process, reads its text, closes it, and the text is answered (empty when
// none showed within the bound).
CString TextOfMessageBoxDuring(const std::function<void()>& action, unsigned boundMs = 5000);

} // namespace controltest
