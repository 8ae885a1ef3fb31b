#pragma once
// The wizard's own menu bar and toolbar until the frame gets the real command
// bars: the native menu of the frame and one native toolbar; options and bar
// visibility are kept in the application profile.
#include "Framework.h"
#include <memory>
#include <set>
#include <vector>

class PlainToolBar;

class PlainCommandBars : public CCmdTarget {
    DECLARE_DYNCREATE(PlainCommandBars)
public:
    PlainCommandBars();
    ~PlainCommandBars() override;

    void AttachFrame(CFrameWnd* pFrame) { m_pFrame = pFrame; }
    void EnableDocking() {}
    // The menu bar: the frame gets menu nID; answers the menu or null.
    CMenu* SetMenu(LPCTSTR lpszTitle, UINT nID);
    PlainToolBar* AddToolBar(LPCTSTR lpszTitle);
    void HideCommands(const UINT* pCommands, int nCount);
    BOOL IsCommandHidden(UINT nCommand) const { return m_hidden.count(nCommand) != 0; }
    // Icons of commands, applied to every toolbar button of the command.
    void SetIcon(UINT nCommand, HICON hIcon);
    PlainToolBar* GetToolBar(int nIndex) const;
    int GetCount() const { return static_cast<int>(m_toolBars.size()); }

    void LoadOptions(LPCTSTR lpszSection);
    void SaveOptions(LPCTSTR lpszSection);
    void LoadBarState(LPCTSTR lpszSection, BOOL bSilent = FALSE);
    void SaveBarState(LPCTSTR lpszSection, BOOL bOnlyCustomized = TRUE);
    void LoadShortcuts(LPCTSTR lpszSection);
    void SaveShortcuts(LPCTSTR lpszSection);
    // The plain bars carry no accelerator table of their own.
    BOOL HasOwnAccelerators() const { return FALSE; }

    BOOL PreTranslateFrameMessage(MSG* pMsg);
    BOOL OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void OnSetPreviewMode(BOOL bPreview);

    int m_nOptionsValue = 1;   // cleared by the frame before loading

private:
    CFrameWnd* m_pFrame = nullptr;
    CMenu m_menu;
    std::vector<std::unique_ptr<PlainToolBar>> m_toolBars;
    std::set<UINT> m_hidden;
    std::vector<std::pair<UINT, HICON>> m_icons;
};
