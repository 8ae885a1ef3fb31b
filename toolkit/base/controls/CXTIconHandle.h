#pragma once
// Owns one icon handle: a new icon destroys the one held before, and the
// holder destroys its icon when it goes.
#include "Framework.h"

class CXTIconHandle {
public:
    CXTIconHandle() = default;
    virtual ~CXTIconHandle();
    CXTIconHandle(const CXTIconHandle&) = delete;
    CXTIconHandle& operator=(const CXTIconHandle&) = delete;

    // Takes hIcon over (null leaves the holder empty).
    void SetIcon(HICON hIcon);
    HICON GetIcon() const { return m_hIcon; }
    operator HICON() const { return m_hIcon; }

private:
    HICON m_hIcon = nullptr;
};
