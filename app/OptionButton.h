#pragma once
#include "Framework.h"

// Push button of step 1 that reports its click to the parent with its option
// value and keeps its own check state.
class OptionButton : public CButton {
public:
    int m_nOption = 0;

protected:
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()
};
