#pragma once
// A solid brush of a colour, selected into a DC for one scope; its colour may change meanwhile.
#include "Framework.h"

class CXTBrushSelector {
public:
    CXTBrushSelector(HDC hDC, COLORREF clr);
    CXTBrushSelector(CDC* pDC, COLORREF clr) : CXTBrushSelector(pDC->GetSafeHdc(), clr) {}
    virtual ~CXTBrushSelector();
    CXTBrushSelector(const CXTBrushSelector&) = delete;
    CXTBrushSelector& operator=(const CXTBrushSelector&) = delete;

    void SetColor(COLORREF clr);

private:
    void Select(COLORREF clr);
    void Restore();

    CBrush m_brush;
    HDC m_hDC;
    HGDIOBJ m_hOldBrush = nullptr;
};
