#pragma once
// The drop target of a tab window: while something is dragged over the
// header, the tab under the pointer is selected when the paint manager asks
// for it, so that the drop can reach that tab's page.
#include "COleDropTarget.h"

class CXTTabWindow;

class CXTTabDropTarget : public COleDropTarget {
public:
    explicit CXTTabDropTarget(CXTTabWindow* pTabWindow) : m_pTabWindow(pTabWindow) {}

    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;

private:
    CXTTabWindow* m_pTabWindow;
};
