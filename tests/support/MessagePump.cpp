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

} // namespace testsupport
