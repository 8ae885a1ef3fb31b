#pragma once
// The customize drag source of the command bars: the bars that take dragged
// controls register here, and the open customize dialog is kept here. Dragging
// itself comes with the customize sheet; until then Alt-drag starts none.
#include "Framework.h"
#include "CArray.h"
#include "CXTPCommandBar.h"

class CXTPCommandBars;

class CXTPCustomizeDropSource : public CCmdTarget {
public:
    explicit CXTPCustomizeDropSource(CXTPCommandBars* pCommandBars) : m_pCommandBars(pCommandBars) {}

    void Register(CXTPCommandBar* pBar);
    void UnRegister(CXTPCommandBar* pBar);
    int GetTargetCount() const { return static_cast<int>(m_arrTargets.GetSize()); }
    CXTPCommandBar* GetTarget(int nIndex) const { return m_arrTargets[nIndex]; }

    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    // The open customize dialog; null when none is open.
    CWnd* m_pSheet = nullptr;

private:
    CXTPCommandBars* m_pCommandBars;
    CArray<CXTPCommandBar*, CXTPCommandBar*> m_arrTargets;
};
