#pragma once
// Gradient tab faces in the colours of the colour manager's scheme (blue,
// olive green, silver), or in blends of the system colours.
#include "CXTPTabColorSetPlain.h"

class CXTPTabColorSetScheme : public CXTPTabColorSetPlain {
public:
    void ReloadMetrics() override;
    COLORREF PaintTabBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem) override;
    void PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc) override;

    BOOL IsSchemeColored() const { return m_bSchemeColored; }

    // The hot tab's face.
    CXTPPaintManagerColor m_clrHotTabFace;
    // The frame of a hot or pressed navigate button under a scheme.
    CXTPPaintManagerColor m_clrButtonFrame;

protected:
    // The hot tab's face, or else the tab's fill colour.
    COLORREF FaceOf(CXTPTabManagerItem* pItem);

    BOOL m_bSchemeColored = FALSE;
};
