#pragma once
// The frame's status bar as a native status window with one pane per indicator.
#include "Framework.h"
#include <vector>

class CXTPStatusBar : public CWnd {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int GetPaneCount() const { return static_cast<int>(m_ids.size()); }
    CString GetPaneText(int nIndex) const;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void LayoutPanes();
    std::vector<UINT> m_ids;
};
