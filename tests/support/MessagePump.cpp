#include "MessagePump.h"

#include <windows.h>

namespace testsupport {

void PumpMessages(unsigned milliseconds)
{
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (::GetTickCount64() < end)
            ::Sleep(10);
    } while (::GetTickCount64() < end);
}

bool PumpMessagesUntil(const std::function<bool()>& done, unsigned milliseconds)
{
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    while (!done() && ::GetTickCount64() < end) {
        MSG msg;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    return done();
}

} // namespace testsupport
