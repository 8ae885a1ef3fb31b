#pragma once
// Push button with an icon beside its text.
#include "Framework.h"

class CXTButton : public CButton {
public:
    ~CXTButton() override;
    // Shows icon resource nID (16 x 16) on the button.
    void SetIconResource(UINT nID);

private:
    HICON m_hIcon = nullptr;
};
