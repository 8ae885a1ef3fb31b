#pragma once
// The overflow button ("Toolbar Options") at the end of a toolbar: it shows a
// mark while controls of its bar are hidden for lack of room.
#include "CXTPControl.h"

class CXTPToolBarExpandButton : public CXTPControl {
    DECLARE_DYNCREATE(CXTPToolBarExpandButton)
public:
    CXTPToolBarExpandButton();

    // Placing the button recomputes its mark.
    void SetRect(CRect rcControl) override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;

    BOOL HasHiddenControls() const { return m_bHiddenControls; }

private:
    // Kind 0 on a docked bar, 3 (a popup arrow) on a floating one.
    int GetKind() const;

    BOOL m_bHiddenControls = FALSE;
};
