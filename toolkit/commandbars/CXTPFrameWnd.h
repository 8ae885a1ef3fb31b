#pragma once
// Frame window base that holds the command bars.
#include "Framework.h"

class CXTPCommandBars;

class CXTPFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CXTPFrameWnd)
public:
    CXTPFrameWnd() = default;
    ~CXTPFrameWnd() override;
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }

protected:
    CXTPCommandBars* m_pCommandBars = nullptr;   // owned
};
