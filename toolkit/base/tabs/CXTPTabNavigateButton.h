#pragma once
// One of the small buttons at the far end of a tab header: scroll back, scroll
// forward, close. The manager lays them out in its header, draws them through
// its paint manager and lets them track a click.
#include "Framework.h"
#include "CDC.h"

class CXTPTabManager;

enum XTPTabNavigateButton {
    xtpTabNavigateButtonLeft = 0,    // scroll back
    xtpTabNavigateButtonRight = 1,   // scroll forward
    xtpTabNavigateButtonClose = 2,
};

enum XTPTabNavigateButtonFlags {
    xtpTabNavigateButtonNone = 0,        // never shown
    xtpTabNavigateButtonAutomatic = 1,   // shown when needed
    xtpTabNavigateButtonAlways = 2,
};

class CXTPTabNavigateButton {
public:
    static constexpr DWORD kRepeatInterval = 20;   // ms between auto-repeat ticks

    CXTPTabNavigateButton(CXTPTabManager* pManager, UINT nID, XTPTabNavigateButtonFlags dwFlags);
    virtual ~CXTPTabNavigateButton() = default;
    CXTPTabNavigateButton(const CXTPTabNavigateButton&) = delete;
    CXTPTabNavigateButton& operator=(const CXTPTabNavigateButton&) = delete;

    // Takes the button's room off the header extent when it always shows.
    virtual void ReserveSpace(CRect& rcHeader);
    // Tracks a left click until release; acts on a release inside.
    virtual void PerformClick(HWND hWnd, CPoint pt);
    // Places the button at the far end of the header, which it shrinks.
    virtual void AdjustLayout(CRect& rcHeader);
    virtual void DrawGlyph(CDC* pDC, const CRect& rc);
    // bRepeat: an auto-repeat tick while held; otherwise the release inside.
    virtual void OnClicked(BOOL bRepeat);

    // Face through the paint manager, then the glyph in the DC's text colour.
    void Draw(CDC* pDC);
    // Hot while the point is inside an enabled button.
    void UpdateHotState(HWND hWnd, CPoint pt);

    UINT GetID() const { return m_nID; }
    XTPTabNavigateButtonFlags GetFlags() const { return m_dwFlags; }
    void SetFlags(XTPTabNavigateButtonFlags dwFlags) { m_dwFlags = dwFlags; }
    CSize GetSize() const { return m_size; }
    const CRect& GetRect() const { return m_rcButton; }
    CXTPTabManager* GetTabManager() const { return m_pManager; }
    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsHot() const { return m_bHot; }

private:
    // The tracking loop; answers whether it ended by a release inside.
    BOOL TrackClick(HWND hWnd, CPoint pt);
    BOOL IsScrollButton() const { return m_nID != xtpTabNavigateButtonClose; }
    BOOL IsShown() const;

    UINT m_nID;
    XTPTabNavigateButtonFlags m_dwFlags;
    CSize m_size{14, 15};
    CXTPTabManager* m_pManager;
    CRect m_rcButton{0, 0, 0, 0};
    BOOL m_bEnabled = TRUE;
    BOOL m_bPressed = FALSE;
    BOOL m_bHot = FALSE;
};
