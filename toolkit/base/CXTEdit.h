#pragma once
// Edit control of the toolkit: takes the look data's font and remembers its parent.
#include "Framework.h"

class CXTEdit : public CEdit {
public:
    // False when the edit or the parent has no window.
    BOOL BindToParent(CWnd* pParentWnd);
    CWnd* GetBoundParent() const { return m_pParentWnd; }

protected:
    CWnd* m_pParentWnd = nullptr;
};
