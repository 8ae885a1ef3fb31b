#pragma once
// A frame's rebar ("ReBarWindow32") as a control bar: it takes the top of
// the frame in the layout request and has the frame laid out again when its
// height changes.

#include "AfxCommonControls.h"
#include "CWnd.h"
#include "FrameworkIds.h"

class CBitmap;

class CReBar : public CWnd
{
    DECLARE_DYNAMIC(CReBar)
public:
    CReBar() = default;

    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);
    // Adds a band holding pBar, as large as the bar's window is now.
    BOOL AddBar(CWnd* pBar, LPCTSTR pszText = nullptr, CBitmap* pbmp = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    UINT GetBandCount() const { return static_cast<UINT>(SendMessage(RB_GETBANDCOUNT)); }

protected:
    // The frame lays out again: at once, or posted while it is laying out.
    void OnHeightChange();

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRecalcParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnHeightChangeNotify(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
