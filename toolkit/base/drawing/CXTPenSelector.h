#pragma once
// A solid one-pixel pen of a colour, selected into a DC for one scope.
#include "Framework.h"

class CXTPenSelector {
public:
    CXTPenSelector(HDC hDC, COLORREF clr);
    CXTPenSelector(CDC* pDC, COLORREF clr) : CXTPenSelector(pDC->GetSafeHdc(), clr) {}
    virtual ~CXTPenSelector();
    CXTPenSelector(const CXTPenSelector&) = delete;
    CXTPenSelector& operator=(const CXTPenSelector&) = delete;

    // The colour a pen draws with.
    static COLORREF GetPenColor(HPEN hPen);

private:
    CPen m_pen;
    HDC m_hDC;
    HGDIOBJ m_hOldPen;
};
