#pragma once

#include <functional>

namespace testsupport {

// Dispatches the calling thread's pending messages, for at least milliseconds
// (0: just what is queued), so windows created by a test get painted.
void PumpMessages(unsigned milliseconds = 0);

// Dispatches the calling thread's messages until done() holds or milliseconds
// have passed; answers done() at the end.
bool PumpMessagesUntil(const std::function<bool()>& done, unsigned milliseconds);

} // namespace testsupport
