#pragma once
// Theme 0, the classic three-dimensional look: flat toolbar buttons that rise
// under the mouse and sink when pressed or checked, checked buttons on a
// dithered face, menus with a highlighted text area and framed icons,
// grippers as raised lines. The theme factory makes it for every number it
// does not know.
#include "CXTPPaintManager.h"

class CXTPDefaultTheme : public CXTPPaintManager {
public:
    CXTPDefaultTheme();

    CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc) override;
    CSize DrawControlComboBox(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    CSize DrawControlEdit(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    CSize DrawListBoxControl(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                             CXTPCommandBars* pCommandBars) override;
    void FillCommandBar(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawRectangle(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bPressed, BOOL bChecked,
                       BOOL bPopuped, int nBarPosition) override;
    void DrawButtonFrame(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                         BOOL bPopuped, BOOL bToolBar, int nBarPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                  BOOL bDraw = TRUE) override;
    void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    CSize DrawSpecialControl(CDC* pDC, int nKind, CXTPControl* pControl, CXTPCommandBar* pBar, BOOL bDraw,
                             LPVOID lpParam) override;
    CRect GetCommandBarBorders(CXTPCommandBar* pBar) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) override;
    void DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, BOOL bSelected, BOOL bPressed,
                   BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL bToolBar) override;
    CSize DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw) override;
    int GetThemeValue() override;

    // The frame of an edit box or of a combo box's text part; a selected
    // state of 2 draws the disabled frame in the shadow colour.
    virtual void DrawEditFrame(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected);
    virtual void DrawComboBoxButton(CDC* pDC, CRect rcBtn, BOOL bEnabled, BOOL bSelected, BOOL bDropped);
    // Measures (rc becomes the text's extent) or draws a label; disabled,
    // unselected labels are embossed.
    virtual void DrawControlCaptionText(CDC* pDC, const CString& strText, CRect& rc, UINT nFormat, BOOL bDraw,
                                        BOOL bSelected, BOOL bEnabled);

    // The width of a combo box's drop-down button in the DC's font: twice
    // the average character width plus 4, at least 15.
    static int ComboDropDownWidth(CDC* pDC);

    void SetFullRowSelection(BOOL bFullRow) { m_bFullRowSelection = bFullRow; }
    BOOL IsFullRowSelection() const { return m_bFullRowSelection; }

protected:
    // The size of an edit or combo box with its label, and the label's width.
    CSize MeasureBoxControl(CDC* pDC, CXTPControl* pControl, int& nLabelWidth);
    // Draws the label of an edit or combo box; the rest of the control is its box.
    CRect DrawBoxLabel(CDC* pDC, CXTPControl* pControl, int nLabelWidth);

    // The raised (highlight over shadow) and sunken frames of the classic look.
    void DrawRaised(CDC* pDC, CRect rc) { Draw3dRect(pDC, rc, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW); }
    void DrawSunken(CDC* pDC, CRect rc) { Draw3dRect(pDC, rc, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT); }

    // 0: a selected menu row highlights only its text area, and icons and
    // checks get button frames; 1: the whole row is highlighted, no frames.
    BOOL m_bFullRowSelection = FALSE;
    // Colour index of enabled, unselected menu rows.
    int m_nMenuTextColor = COLOR_BTNTEXT;
};
