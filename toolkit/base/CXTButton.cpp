#include "CXTButton.h"

CXTButton::~CXTButton()
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
}

void CXTButton::SetIconResource(UINT nID)
{
    HICON hIcon = static_cast<HICON>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (hIcon == nullptr || m_hWnd == nullptr)
        return;
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(m_hIcon));
}
