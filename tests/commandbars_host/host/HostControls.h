#pragma once
// The host's controls until the toolkit's button and popup kinds exist: a
// button that presses like a toolbar button (the press loop decides whether it
// executes; the keyboard executes at once), and a control of the popup kind
// that keeps whether its popup is open (no popup window yet). Both write the
// hover of the mouse to the host log and can be posed in a state for a
// screenshot.
#include "CXTPControl.h"

class HostButton : public CXTPControl {
public:
    void OnClick(BOOL bKeyboard, CPoint point) override;
    // The bar's hover timer ran out on this control: written to the host log.
    void OnMouseHover() override;
    // Draws the control hot (1) or keyboard-selected (2) without selecting it on its bar.
    void Pose(int nSelected, int nPressed);
};

class HostPopup : public HostButton {
public:
    static const CRuntimeClass classHostPopup;
    CRuntimeClass* GetRuntimeClass() const override { return const_cast<CRuntimeClass*>(&classHostPopup); }

    void OnClick(BOOL bKeyboard, CPoint point) override;
    BOOL OnSetPopup(BOOL bPopup) override;
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen = FALSE;
};
