#pragma once
// A toolbar for the tests: classic theme, its own image manager, and the
// position set directly where a test needs no owner to dock or float it.
#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "CXTPImageManager.h"
#include "CXTPPaintManager.h"
#include "CXTPToolBar.h"

class TestToolBar : public CXTPToolBar {
public:
    TestToolBar()
    {
        SetPaintManager(CXTPPaintManager::CreateTheme(0));
        SetImageManager(new CXTPImageManager());
    }
    void PutAt(int nPosition) { m_barPosition = nPosition; }
    // A floating window of the bar at the point, owned by pFrame.
    BOOL Float(CWnd* pFrame, CPoint pt = CPoint(100, 100))
    {
        PutAt(xtpBarFloating);
        if (!SetFloatingMode(TRUE, pFrame))
            return FALSE;
        const CSize sz = CalcDockingLayout(-1, LM_COMMIT | LM_MRUWIDTH | LM_HORZ);
        SetWindowPos(nullptr, pt.x, pt.y, sz.cx, sz.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
};

// A test toolbar released at the end of a scope (its window with it).
struct ToolBarHolder {
    ToolBarHolder() : pBar(new TestToolBar) {}
    ~ToolBarHolder() { pBar->InternalRelease(); }
    TestToolBar* operator->() const { return pBar; }
    TestToolBar* pBar;
};

// Command bars without a frame, for the bar's options; released at the end of a scope.
struct OwnerHolder {
    OwnerHolder() : pCommandBars(new CXTPCommandBars) {}
    ~OwnerHolder() { pCommandBars->InternalRelease(); }
    CXTPCommandBarsOptions* Options() const { return pCommandBars->GetCommandBarsOptions(); }
    CXTPCommandBars* pCommandBars;
};
