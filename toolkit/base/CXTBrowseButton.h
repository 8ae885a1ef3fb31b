#pragma once
// The small "..." button beside a browse edit; a click runs the edit's browse action.
#include "CXTButton.h"

class CXTBrowseEdit;

class CXTBrowseButton : public CXTButton {
public:
    static constexpr UINT kControlId = 9124;

    // Created empty in the edit's parent, visible and enabled like the edit.
    BOOL Create(CXTBrowseEdit* pEdit, DWORD dwBrowseStyle, UINT nID, UINT nMenu = 0, int nSubMenuIndx = 0);

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()

private:
    CXTBrowseEdit* m_pEdit = nullptr;
    DWORD m_dwBrowseStyle = 0;
    UINT m_nMenu = 0;
    int m_nSubMenuIndx = 0;
};
