#pragma once
// The idle command update of one command-bar control: the handlers' enable,
// check and text calls act on the control instead of a window or menu item.
#include "Framework.h"

class CXTPControl;

class CXTPControlCmdUI : public CCmdUI {
public:
    CXTPControlCmdUI() = default;
    // The control the next update acts on; the bar walks its controls with one object.
    void SetControl(CXTPControl* pControl) { m_pControl = pControl; }

    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR lpszText) override;

private:
    CXTPControl* m_pControl = nullptr;
};
