#pragma once
#include "Framework.h"

class CSampleDoc;

// Draws a line of text and a coloured rectangle.
class CSampleView : public CView {
    DECLARE_DYNCREATE(CSampleView)
public:
    CSampleDoc* GetDocument() const;
    void OnDraw(CDC* pDC) override;
};
