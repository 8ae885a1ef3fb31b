#pragma once
// A command-bar font that follows the system's unless the application made it
// its own: a refresh re-creates a standard font, and any font without a handle.
#include "Framework.h"

class CXTPPaintManagerFont : public CFont {
public:
    BOOL IsStandard() const { return m_bStandard; }
    void SetStandard(BOOL bStandard) { m_bStandard = bStandard; }
    // Whether the next refresh makes this font again.
    BOOL NeedsRefresh() const { return m_bStandard || GetSafeHandle() == nullptr; }

private:
    BOOL m_bStandard = TRUE;
};
