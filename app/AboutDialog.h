#pragma once
#include "CXTHyperLink.h"
#include "Framework.h"

class AboutDialog : public CDialog {
public:
    AboutDialog();
    ~AboutDialog() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    CXTHyperLink m_link;
    HBRUSH m_hWhiteBrush;
};
