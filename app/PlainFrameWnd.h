#pragma once
// The wizard's frame base until the frame gets the real command bars.
#include "Framework.h"

class PlainCommandBars;

class PlainFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(PlainFrameWnd)
public:
    PlainFrameWnd() = default;
    ~PlainFrameWnd() override;
    PlainCommandBars* GetCommandBars() const { return m_pCommandBars; }

protected:
    PlainCommandBars* m_pCommandBars = nullptr;   // owned
};
