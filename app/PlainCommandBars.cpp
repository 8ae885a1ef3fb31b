#include "PlainCommandBars.h"

#include "PlainToolBar.h"

IMPLEMENT_DYNCREATE(PlainCommandBars, CCmdTarget)

PlainCommandBars::PlainCommandBars() = default;

PlainCommandBars::~PlainCommandBars()
{
    for (auto& [id, hIcon] : m_icons)
        ::DestroyIcon(hIcon);
}

CMenu* PlainCommandBars::SetMenu(LPCTSTR, UINT nID)
{
    if (m_pFrame == nullptr || !m_menu.LoadMenu(nID))
        return nullptr;
    ::SetMenu(m_pFrame->GetSafeHwnd(), m_menu.GetSafeHmenu());
    m_pFrame->m_hMenuDefault = m_menu.GetSafeHmenu();
    return &m_menu;
}

PlainToolBar* PlainCommandBars::AddToolBar(LPCTSTR lpszTitle)
{
    if (m_pFrame == nullptr)
        return nullptr;
    auto bar = std::make_unique<PlainToolBar>();
    if (!bar->CreateBar(m_pFrame, lpszTitle, AFX_IDW_TOOLBAR + static_cast<UINT>(m_toolBars.size())))
        return nullptr;
    m_toolBars.push_back(std::move(bar));
    return m_toolBars.back().get();
}

void PlainCommandBars::HideCommands(const UINT* pCommands, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        m_hidden.insert(pCommands[i]);
        for (auto& bar : m_toolBars)
            bar->HideCommand(pCommands[i]);
        if (m_menu.GetSafeHmenu() != nullptr)
            ::DeleteMenu(m_menu.GetSafeHmenu(), pCommands[i], MF_BYCOMMAND);
    }
}

void PlainCommandBars::SetIcon(UINT nCommand, HICON hIcon)
{
    if (hIcon == nullptr)
        return;
    m_icons.emplace_back(nCommand, hIcon);
    for (auto& bar : m_toolBars)
        bar->SetCommandIcon(nCommand, hIcon);
}

PlainToolBar* PlainCommandBars::GetToolBar(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_toolBars[static_cast<size_t>(nIndex)].get() : nullptr;
}

void PlainCommandBars::LoadOptions(LPCTSTR lpszSection)
{
    CString section = CString(lpszSection) + L"-Options";
    m_nOptionsValue = static_cast<int>(AfxGetApp()->GetProfileInt(section, L"Value", m_nOptionsValue));
}

void PlainCommandBars::SaveOptions(LPCTSTR lpszSection)
{
    CString section = CString(lpszSection) + L"-Options";
    AfxGetApp()->WriteProfileInt(section, L"Value", m_nOptionsValue);
}

void PlainCommandBars::LoadBarState(LPCTSTR lpszSection, BOOL)
{
    for (int i = 0; i < GetCount(); ++i) {
        CString section;
        section.Format(L"%s-Bar%d", lpszSection, i);
        BOOL visible = AfxGetApp()->GetProfileInt(section, L"Visible", 1) != 0;
        m_toolBars[static_cast<size_t>(i)]->ShowWindow(visible ? SW_SHOW : SW_HIDE);
    }
}

void PlainCommandBars::SaveBarState(LPCTSTR lpszSection, BOOL)
{
    for (int i = 0; i < GetCount(); ++i) {
        CString section;
        section.Format(L"%s-Bar%d", lpszSection, i);
        AfxGetApp()->WriteProfileInt(section, L"Visible", m_toolBars[static_cast<size_t>(i)]->IsWindowVisible());
    }
}

// The plain bars have no shortcut customisation: the frame keeps its own table.
void PlainCommandBars::LoadShortcuts(LPCTSTR) {}
void PlainCommandBars::SaveShortcuts(LPCTSTR) {}

BOOL PlainCommandBars::PreTranslateFrameMessage(MSG*)
{
    return FALSE;
}

BOOL PlainCommandBars::OnFrameWndMsg(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

void PlainCommandBars::OnSetPreviewMode(BOOL) {}
