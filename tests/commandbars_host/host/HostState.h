#pragma once
// The host's state as the driver reads it: the screen's DPI, whether the host
// is in front, its bars with their tracking, selection and controls (rectangles
// in screen coordinates), the bars the thread's mouse tracker tracks, the
// clients of its keyboard tracker, the other visible windows of the host (its
// popups) and the log.
#include <nlohmann/json.hpp>

class HostFrame;

class HostState {
public:
    explicit HostState(HostFrame& frame) : m_frame(frame) {}
    nlohmann::json Json() const;

private:
    HostFrame& m_frame;
};
