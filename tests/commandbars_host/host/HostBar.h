#pragma once
// A toolbar of the host: a command-bar window, child of the host's frame, that
// lays its controls out in one row and writes its selection changes to the
// host log under its name.
#include "CXTPCommandBar.h"
#include "HostFixture.h"

class HostBar : public CXTPCommandBar {
public:
    // Makes the bar's window and controls from the description; the bar holds
    // one reference for the caller.
    static HostBar* Create(CWnd* pFrame, const HostFixtureBar& fixture, UINT nID);

    const std::wstring& Name() const { return m_strName; }
    // Lays the controls out in a row and sizes the window to them at the top
    // given; answers the height.
    int LayOut(int nTop, int nWidth);
    // Puts the bar into keyboard tracking with its first control selected, as
    // the menu keys will once the bars' owner handles them.
    void TrackByKeyboard();

    void OnRecalcLayout() override;
    void OnControlSelected(int bSelected, CXTPControl* pControl) override;
    BOOL IsVisible() const override { return GetSafeHwnd() && (GetStyle() & WS_VISIBLE); }

private:
    std::wstring m_strName;
    int m_nTop = 0;
    int m_nWidth = 0;
};
