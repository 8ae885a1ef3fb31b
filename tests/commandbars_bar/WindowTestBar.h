#pragma once
// The row test bar as a window of its own, with what the bar window tests
// reach of it: its layout count, its drop position and marker, and the
// document-template pass.
#include "ControlTestBar.h"

class WindowTestBar : public ControlTestBar {
public:
    explicit WindowTestBar(int nType = xtpBarTypeNormal, int nPosition = xtpBarTop, bool* pDestroyed = nullptr)
        : ControlTestBar(pDestroyed)
    {
        m_barType = nType;
        m_barPosition = nPosition;
    }

    BOOL CreateBar(CWnd* pParent, const CRect& rect, UINT nId = 0, DWORD dwStyle = WS_VISIBLE, DWORD dwExStyle = 0)
    {
        return CreateEx(dwExStyle, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW)), L"",
                        dwStyle | (pParent ? WS_CHILD : WS_POPUP), rect, pParent, nId);
    }
    // Lays the controls out in one row from (2, 2), as a docked toolbar does.
    void LayoutRow() { Layout(2000, LM_HORZ | LM_HORZDOCK | LM_COMMIT); }
    void OnRecalcLayout() override { ++m_nLayouts; }
    void SetDropMarker(const CRect& rc) { m_rcMarker = rc; }

    using CXTPCommandBar::DrawDropMarker;
    using CXTPCommandBar::FindDropPosition;
    using CXTPCommandBar::UpdateDocTemplateVisibility;

    int m_nLayouts = 0;
};

// A window bar held for one test and released at its end.
struct WindowBarHolder {
    explicit WindowBarHolder(int nType = xtpBarTypeNormal, int nPosition = xtpBarTop)
        : pBar(new WindowTestBar(nType, nPosition))
    {
    }
    ~WindowBarHolder() { pBar->InternalRelease(); }
    WindowTestBar* operator->() const { return pBar; }
    WindowTestBar* pBar;
};
