#pragma once
// The small button beside a browse edit: "..." (or the popup arrow for a
// menu), drawn by a theme of its own; a click or Enter or Space asks the
// edit to browse.
#include "CXTButton.h"

class CXTBrowseEdit;

class CXTBrowseButton : public CXTButton {
    DECLARE_DYNAMIC(CXTBrowseButton)
public:
    static constexpr UINT kControlId = 9124;
    // Browse style bit that gives the button the popup arrow.
    static constexpr DWORD kPopupMenuStyle = 0x04;

    CXTBrowseButton();
    ~CXTBrowseButton() override;

    // Made with an empty rectangle in the edit's parent, visible and enabled
    // like the edit; FALSE when the window cannot be made.
    virtual BOOL Create(CXTBrowseEdit* pEdit, DWORD dwBrowseStyle, UINT nID, UINT nMenu = UINT(-1),
                        int nSubMenuIndx = -1);
    // Asks the edit to browse.
    virtual void PerformBrowse();

    CXTBrowseEdit* GetEdit() const { return m_pEdit; }
    DWORD GetBrowseStyle() const { return m_dwBrowseStyle; }
    UINT GetMenuID() const { return m_nMenu; }
    int GetSubMenuIndex() const { return m_nSubMenuIndx; }

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg void OnClicked();
    afx_msg void OnEnable(BOOL bEnable);
    DECLARE_MESSAGE_MAP()

private:
    DWORD m_dwBrowseStyle = 0;
    CXTBrowseEdit* m_pEdit = nullptr;
    UINT m_nMenu = UINT(-1);
    int m_nSubMenuIndx = -1;
};
