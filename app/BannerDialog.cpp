#include "BannerDialog.h"

#include "ProductInfo.h"
#include "resource.h"

BannerDialog::BannerDialog() : CDialog(IDD_BANNER) {}

void BannerDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BANNER_LINK, m_link);
}

BOOL BannerDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_link.SetLinkTarget(kProductHomePage);
    return TRUE;
}
