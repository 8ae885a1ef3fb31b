#pragma once
// A second host for command bars: each bar sits in a band of a platform
// rebar control instead of in a dock bar.
#include "Framework.h"
#include "CReBar.h"

class CXTPCommandBar;
class CXTPToolBar;

class CXTPReBar : public CReBar {
    DECLARE_DYNAMIC(CXTPReBar)
public:
    CXTPReBar() = default;

    // 1 on success, 0 when the rebar refuses the band (the bar has left its
    // dock bar by then).
    BOOL AddCommandBar(CXTPToolBar* pBar, DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    // RB_DELETEBAND's answer, -1 when the bar has no band.
    int DeleteCommandBar(CXTPCommandBar* pBar);
    CXTPCommandBar* GetCommandBar(int nBand) const;
    int FindBand(CXTPCommandBar* pBar) const;

protected:
    afx_msg void OnPaint();
    afx_msg void OnChildSize(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
