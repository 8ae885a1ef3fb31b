#include "CXTIconHandle.h"

CXTIconHandle::~CXTIconHandle()
{
    SetIcon(nullptr);
}

void CXTIconHandle::SetIcon(HICON hIcon)
{
    if (m_hIcon != nullptr && m_hIcon != hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
}
