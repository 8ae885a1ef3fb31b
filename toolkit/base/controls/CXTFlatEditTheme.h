#pragma once
// The plain look of a flat edit's border: the window colour, with a sunken
// frame while hot or focused; the disabled look is the same in every theme.
#include "CXTThemeManagerStyle.h"

class CXTFlatEdit;

class CXTFlatEditTheme : public CXTThemeManagerStyle {
public:
    enum { StateRaised = 2, StatePressed = 3 };

    virtual void DrawFlatEdit(CDC* pDC, CXTFlatEdit* pEdit, const CRect& rc, int nState);


protected:
    static BOOL IsActiveState(int nState) { return nState == StateRaised || nState == StatePressed; }
    // The face of every theme: the disabled look, or the window colour framed
    // in the given colours while hot or focused. TRUE when it drew the disabled look.
    static BOOL PaintEdit(CDC* pDC, CXTFlatEdit* pEdit, const CRect& rc, int nState, COLORREF clrTopLeft,
                          COLORREF clrBottomRight);
};
