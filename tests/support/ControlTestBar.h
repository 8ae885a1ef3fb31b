#pragma once
// A command bar for the command-bar tests and benchmarks, window-less unless a
// test creates one: classic theme, controls of fixed sizes laid out in a row,
// and a count of its idle updates.
#include "CXTPCommandBar.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPPaintManager.h"

// A control whose measured size the test chooses, and that reports its end.
class SizedControl : public CXTPControl {
public:
    explicit SizedControl(CSize size = CSize(20, 20), bool* pDestroyed = nullptr)
        : m_size(size), m_pDestroyed(pDestroyed)
    {
    }
    ~SizedControl() override
    {
        if (m_pDestroyed)
            *m_pDestroyed = true;
    }
    CSize GetSize(CDC*) override { return m_size; }
    void SetSelectedState(int nSelected) { m_bSelected = nSelected; }

    CSize m_size;
    bool* m_pDestroyed;
};

class ControlTestBar : public CXTPCommandBar {
public:
    explicit ControlTestBar(bool* pDestroyed = nullptr) : m_pDestroyed(pDestroyed)
    {
        SetPaintManager(CXTPPaintManager::CreateTheme(0));
    }
    ~ControlTestBar() override
    {
        if (m_pDestroyed)
            *m_pDestroyed = true;
    }

    SizedControl* AddSized(int cx, int cy = 20, DWORD dwFlags = 0, BOOL bBeginGroup = FALSE, int nId = 0)
    {
        auto* pControl = new SizedControl(CSize(cx, cy));
        GetControls()->AddControl(pControl, nId);
        pControl->SetFlags(dwFlags);
        pControl->SetBeginGroup(bBeginGroup);
        return pControl;
    }
    // The toolbar separator's size as the theme measures it.
    CSize SeparatorSize()
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        return GetPaintManager()->DrawCommandBarSeparator(&dc, this, nullptr, FALSE);
    }
    CSize Layout(int nLength, DWORD dwMode, CRect rcBorder = CRect(2, 2, 2, 2), int nWidth = 0)
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        return GetControls()->CalcDynamicSize(&dc, nLength, dwMode, rcBorder, nWidth);
    }
    void OnUpdateCmdUI(BOOL bDisableIfNoHndler) override
    {
        ++m_nUpdates;
        CXTPCommandBar::OnUpdateCmdUI(bDisableIfNoHndler);
    }
    BOOL IsVisible() const override { return m_bVisibleForTest; }

    int m_nUpdates = 0;
    BOOL m_bVisibleForTest = TRUE;
    bool* m_pDestroyed;
};

// A test bar held for one test and released at its end.
struct BarHolder {
    BarHolder() : pBar(new ControlTestBar) {}
    ~BarHolder() { pBar->InternalRelease(); }
    ControlTestBar* operator->() const { return pBar; }
    ControlTestBar* pBar;
};
