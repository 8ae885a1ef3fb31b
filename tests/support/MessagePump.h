#pragma once

namespace testsupport {

// Dispatches the calling thread's pending messages, for at least milliseconds
// (0: just what is queued), so windows created by a test get painted.
void PumpMessages(unsigned milliseconds = 0);

} // namespace testsupport
