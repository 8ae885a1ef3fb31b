#pragma once
#include "Framework.h"

// The notice at the end of a save: white, with a picture and the next steps.
class SavingCompleteDialog : public CDialog {
public:
    explicit SavingCompleteDialog(CWnd* pParent = nullptr);
    ~SavingCompleteDialog() override;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    HBRUSH m_hWhiteBrush;
};
