#pragma once
#include "Framework.h"

// Hand-painted progress control: a white-to-green bar up to the position and
// the percentage followed by the window text. A save sets positions from its own
// thread and waits for each: the position is taken at once, the painting follows
// when the window's thread is idle.
class ProgressBar : public CProgressCtrl {
public:
    // Percentage of pos within [0, upper]; 0 when the range is empty.
    static int Percent(int pos, int upper);
    // Right edge of the bar inside an inner area whose right edge is innerRight.
    static int BarWidth(int innerRight, int percent);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC) { return TRUE; }
    afx_msg LRESULT OnSetPos(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
