#pragma once
#include "CXTHyperLink.h"
#include "Framework.h"

// The linked picture strip at the top right of the main frame.
class BannerDialog : public CDialog {
public:
    BannerDialog();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CXTHyperLink m_link;
};
