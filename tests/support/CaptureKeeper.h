#pragma once
#include "WindowCapture.h"

#include <deque>

namespace testsupport {

// Keeps the last captures a test took and, when the test fails, saves them in
// test-output/failed and names them in the test's output, so that a failed pixel
// probe shows what the screen held.
class CaptureKeeper {
public:
    static CaptureKeeper& Instance();

    void Remember(const WindowCapture& capture);
    void Forget() { m_captures.clear(); }
    // Saves the kept captures as <name>-<n>.png and prints their paths.
    void Save(const std::wstring& name);

private:
    CaptureKeeper() = default;

    static constexpr std::size_t kKept = 3;
    std::deque<WindowCapture> m_captures;
};

} // namespace testsupport
