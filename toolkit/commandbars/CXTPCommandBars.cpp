#include "CXTPCommandBars.h"

#include "CXTPToolBar.h"

IMPLEMENT_DYNCREATE(CXTPCommandBars, CCmdTarget)

CXTPCommandBars::CXTPCommandBars() = default;

CXTPCommandBars::~CXTPCommandBars()
{
    for (auto& [id, hIcon] : m_icons)
        ::DestroyIcon(hIcon);
}

CMenu* CXTPCommandBars::SetMenu(LPCTSTR, UINT nID)
{
    if (m_pFrame == nullptr || !m_menu.LoadMenu(nID))
        return nullptr;
    ::SetMenu(m_pFrame->GetSafeHwnd(), m_menu.GetSafeHmenu());
    m_pFrame->m_hMenuDefault = m_menu.GetSafeHmenu();
    return &m_menu;
}

CXTPToolBar* CXTPCommandBars::AddToolBar(LPCTSTR lpszTitle)
{
    if (m_pFrame == nullptr)
        return nullptr;
    auto bar = std::make_unique<CXTPToolBar>();
    if (!bar->CreateBar(m_pFrame, lpszTitle, AFX_IDW_TOOLBAR + static_cast<UINT>(m_toolBars.size())))
        return nullptr;
    m_toolBars.push_back(std::move(bar));
    return m_toolBars.back().get();
}

void CXTPCommandBars::HideCommands(const UINT* pCommands, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        m_hidden.insert(pCommands[i]);
        for (auto& bar : m_toolBars)
            bar->HideCommand(pCommands[i]);
        if (m_menu.GetSafeHmenu() != nullptr)
            ::DeleteMenu(m_menu.GetSafeHmenu(), pCommands[i], MF_BYCOMMAND);
    }
}

void CXTPCommandBars::SetIcon(UINT nCommand, HICON hIcon)
{
    if (hIcon == nullptr)
        return;
    m_icons.emplace_back(nCommand, hIcon);
    for (auto& bar : m_toolBars)
        bar->SetCommandIcon(nCommand, hIcon);
}

CXTPToolBar* CXTPCommandBars::GetToolBar(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_toolBars[static_cast<size_t>(nIndex)].get() : nullptr;
}

void CXTPCommandBars::LoadOptions(LPCTSTR lpszSection)
{
    CString section = CString(lpszSection) + L"-Options";
    m_nOptionsValue = static_cast<int>(AfxGetApp()->GetProfileInt(section, L"Value", m_nOptionsValue));
}

void CXTPCommandBars::SaveOptions(LPCTSTR lpszSection)
{
    CString section = CString(lpszSection) + L"-Options";
    AfxGetApp()->WriteProfileInt(section, L"Value", m_nOptionsValue);
}

void CXTPCommandBars::LoadBarState(LPCTSTR lpszSection, BOOL)
{
    for (int i = 0; i < GetCount(); ++i) {
        CString section;
        section.Format(L"%s-Bar%d", lpszSection, i);
        BOOL visible = AfxGetApp()->GetProfileInt(section, L"Visible", 1) != 0;
        m_toolBars[static_cast<size_t>(i)]->ShowWindow(visible ? SW_SHOW : SW_HIDE);
    }
}

void CXTPCommandBars::SaveBarState(LPCTSTR lpszSection, BOOL)
{
    for (int i = 0; i < GetCount(); ++i) {
        CString section;
        section.Format(L"%s-Bar%d", lpszSection, i);
        AfxGetApp()->WriteProfileInt(section, L"Visible", m_toolBars[static_cast<size_t>(i)]->IsWindowVisible());
    }
}

// The plain bars have no shortcut customisation: the frame keeps its own table.
void CXTPCommandBars::LoadShortcuts(LPCTSTR) {}
void CXTPCommandBars::SaveShortcuts(LPCTSTR) {}

BOOL CXTPCommandBars::PreTranslateFrameMessage(MSG*)
{
    return FALSE;
}

BOOL CXTPCommandBars::OnFrameWndMsg(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

void CXTPCommandBars::OnSetPreviewMode(BOOL) {}
