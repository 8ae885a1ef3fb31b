#pragma once
// The plain look of a caption bar: a border in the caption's border colour,
// an etched or raised frame by its style, the face colour inside, the text
// centred and the icon at the right end.
#include "CXTPPaintManagerColor.h"
#include "CXTThemeManagerStyle.h"

class CXTCaption;

class CXTCaptionTheme : public CXTThemeManagerStyle {
public:
    void ReloadMetrics() override;

    virtual void DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, const CRect& rc);
    virtual void DrawCaptionText(CDC* pDC, CXTCaption* pCaption);
    // Nothing is drawn when the icon does not fit between the border and the right edge.
    virtual void DrawCaptionIcon(CDC* pDC, CXTCaption* pCaption, const CRect& rc);

    CXTPPaintManagerColor m_clrShadow;
    CXTPPaintManagerColor m_clrHighlight;
};
