#pragma once
// A host of the tab manager for tests: lays out and draws into a 24-bit memory
// canvas, owns a real paint manager, and may borrow a window for the tracking
// loops (capture, tooltips, right-to-left). It records what the manager asks
// of its host.
#include <vector>

#include "CXTPTabManager.h"
#include "MemoryCanvas.h"

class TabManagerHost : public CXTPTabManager {
public:
    struct ScrollTick {
        DWORD dwTick;
        int nOffset;   // after the step
    };

    TabManagerHost(int width, int height);
    ~TabManagerHost() override;

    void Reposition() override;
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void RedrawControl() override { ++m_nRedraws; }
    BOOL DrawIcon(CDC*, CPoint, CXTPTabManagerItem* pItem, BOOL, CSize&) const override;
    void OnScroll(BOOL bForward) override;
    void OnNavigateButtonClick(UINT nID) override { m_navigateClicks.push_back(nID); }
    void SetSelectedItem(CXTPTabManagerItem* pItem) override;

    // Adds nCount tabs captioned "Tab 1", "Tab 2", ...
    void AddTabs(int nCount);
    void Paint();
    void SetWindow(HWND hWnd) { m_hWnd = hWnd; }

    MemoryCanvas& Canvas() { return m_canvas; }
    const CRect& Bounds() const { return m_rcBounds; }

    int m_nRedraws = 0;
    int m_nSelectionChanges = 0;
    std::vector<UINT> m_navigateClicks;
    std::vector<ScrollTick> m_scrollTicks;

protected:
    HWND GetManagerWindow() const override { return m_hWnd; }

private:
    MemoryCanvas m_canvas;
    CRect m_rcBounds;
    CXTPTabPaintManager* m_pPaintManager;
    HWND m_hWnd = nullptr;
};
