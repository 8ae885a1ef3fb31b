#pragma once
// The plain look of a flat combo box: a sunken frame while hot or pressed and
// a raised or pushed drop button with its arrow. The highlight and gradient
// themes derive from it.
#include "CXTThemeManagerStyle.h"

class CXTFlatComboBox;

class CXTFlatComboBoxTheme : public CXTThemeManagerStyle {
public:
    // States a theme draws: anything else is the flat look.
    enum { StateRaised = 2, StatePressed = 3 };

    CXTFlatComboBoxTheme() = default;

    // Border, edge and drop-button sizes; valid after the first call.
    void ReloadMetrics() override;

    virtual void DrawFlatComboBox(CDC* pDC, CXTFlatComboBox* pCombo, int nState);
    // The drop button with its arrow, at the right end of rc.
    virtual void DrawDropButton(CDC* pDC, const CRect& rc, int nState, CXTFlatComboBox* pCombo);
    // The button's face and edges; rc's left edge becomes the button's.
    virtual void DrawDropButtonFace(CDC* pDC, CRect& rc, int nState, CXTFlatComboBox* pCombo);

    int GetDropButtonWidth() const { return m_nDropButtonWidth; }
    // Two average characters and four pixels, never under 15.
    static int DropButtonWidthFor(int nAveCharWidth);

protected:
    static BOOL IsActiveState(int nState) { return nState == StateRaised || nState == StatePressed; }
    // Paints the face of every theme: the disabled look, or the window colour
    // with the given frame (clrFrame -1: none) and the list-only text area;
    // then the drop button.
    void PaintCombo(CDC* pDC, CXTFlatComboBox* pCombo, int nState, CSize sizeInset, COLORREF clrFrameTopLeft,
                    COLORREF clrFrameBottomRight);
    // The five-by-three arrow centred on rc, moved by nOffset in both directions.
    void DrawArrow(CDC* pDC, const CRect& rc, int nOffset, CXTFlatComboBox* pCombo);

    int m_nDropButtonWidth = 0;
    int m_cxBorder = 0;
    int m_cyBorder = 0;
    int m_cxEdge = 0;
    int m_cyEdge = 0;
};
