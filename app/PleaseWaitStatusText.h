#pragma once
#include "Framework.h"

// Static control that paints its own window text on the wait dialog's colour.
class PleaseWaitStatusText : public CStatic {
protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};
