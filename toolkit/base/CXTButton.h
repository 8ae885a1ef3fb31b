#pragma once
// Push button with an icon beside its text. It draws itself (owner-drawn), so
// the icon shows with the text on every version of the common controls.
#include "Framework.h"

class CXTButton : public CButton {
public:
    ~CXTButton() override;
    // Shows icon resource nID (16 x 16) left of the text; false when it cannot be loaded.
    BOOL SetIconResource(UINT nID);
    HICON GetButtonIcon() const { return m_hIcon; }

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    void PreSubclassWindow() override;

    int m_nImageGap = 4;

private:
    HICON m_hIcon = nullptr;
};
