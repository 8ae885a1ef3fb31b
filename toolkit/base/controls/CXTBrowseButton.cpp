#include "CXTBrowseButton.h"

#include "CImageList.h"
#include "CXTBrowseButtonTheme.h"
#include "CXTBrowseEdit.h"
#include "CXTPResourceManager.h"
#include "ToolkitLookData.h"

namespace {
constexpr UINT kGlyphBitmap = 9000;
constexpr int kGlyphCount = 8;
constexpr int kPopupArrowGlyph = 4;
constexpr UINT kCaptionString = 9032;
}

IMPLEMENT_DYNAMIC(CXTBrowseButton, CXTButton)

BEGIN_MESSAGE_MAP(CXTBrowseButton, CXTButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_ENABLE()
END_MESSAGE_MAP()

CXTBrowseButton::CXTBrowseButton()
{
    m_dwLookFlags = BS_XT_SHOWFOCUS | BS_XT_WINXP_COMPAT;
    m_nBorderGap = 0;
    m_nImageGap = 0;
    InstallTheme(new CXTBrowseButtonTheme());
}

CXTBrowseButton::~CXTBrowseButton() = default;

BOOL CXTBrowseButton::Create(CXTBrowseEdit* pEdit, DWORD dwBrowseStyle, UINT nID, UINT nMenu, int nSubMenuIndx)
{
    m_pEdit = pEdit;
    m_dwBrowseStyle = dwBrowseStyle;
    m_nMenu = nMenu;
    m_nSubMenuIndx = nSubMenuIndx;
    DWORD dwStyle = WS_CHILD | WS_TABSTOP | BS_OWNERDRAW | BS_CENTER | BS_VCENTER | (pEdit->GetStyle() & WS_VISIBLE);
    CString strCaption;
    HICON hArrow = nullptr;
    if (dwBrowseStyle & kPopupMenuStyle) {
        CBitmap glyphs;
        CImageList images;
        if (GetResourceManager()->FetchBitmap(glyphs, kGlyphBitmap) && images.Create(11, 11, ILC_COLOR24 | ILC_MASK, 0, 1)) {
            images.Add(&glyphs, RGB(255, 0, 255));
            if (images.GetImageCount() == kGlyphCount) {
                hArrow = images.ExtractIcon(kPopupArrowGlyph);
                dwStyle |= BS_ICON;
            }
        }
    } else {
        GetResourceManager()->FetchString(strCaption, kCaptionString);
    }
    const BOOL bCreated = CButton::Create(strCaption, dwStyle, CRect(0, 0, 0, 0), pEdit->GetParent(), nID);
    if (bCreated) {
        if (!strCaption.IsEmpty())
            SetFont(&ToolkitLookData().fontNormal);
        if (hArrow != nullptr)
            SetIcon(CSize(10, 10), hArrow, nullptr, FALSE);
        EnableWindow(pEdit->IsWindowEnabled());
    }
    if (hArrow != nullptr)
        ::DestroyIcon(hArrow);
    return bCreated;
}

BOOL CXTBrowseButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_SPACE)) {
        PerformBrowse();
        return TRUE;
    }
    return CXTButton::PreTranslateMessage(pMsg);
}

void CXTBrowseButton::OnClicked()
{
    PerformBrowse();
}

void CXTBrowseButton::OnEnable(BOOL /*bEnable*/)
{
    Default();
    Invalidate();
}

void CXTBrowseButton::PerformBrowse()
{
    if (m_pEdit != nullptr)
        m_pEdit->RunBrowseAction();
}
