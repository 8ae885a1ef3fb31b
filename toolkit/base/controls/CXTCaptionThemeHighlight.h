#pragma once
// Caption bar in a flat look: with a text button a border around the face,
// without one a thin raised edge.
#include "CXTCaptionTheme.h"

class CXTCaptionThemeHighlight : public CXTCaptionTheme {
public:
    void DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, const CRect& rc) override;
};
