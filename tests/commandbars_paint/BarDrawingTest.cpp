// Bars laid out by their control collection and drawn by the classic theme
// into 24-bit memory DCs; colours are read from the bar's paint manager. A
// toolbar and a menu are also saved as pictures under test-output.
#include <gtest/gtest.h>

#include "PaintTestBars.h"
#include "PngWriter.h"
#include "TestPaths.h"

namespace {

void SavePicture(const MemoryCanvas& canvas, const wchar_t* pszName)
{
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const COLORREF clr = canvas.At(x, y);
            rgb.insert(rgb.end(), {GetRValue(clr), GetGValue(clr), GetBValue(clr)});
        }
    EXPECT_TRUE(testsupport::PngWriter::Save(testsupport::TestOutputPath(pszName), canvas.Width(), canvas.Height(), rgb));
}

// The rightmost column in the row's band that has a pixel of the colour, or -1.
int RightmostOf(const MemoryCanvas& canvas, const CRect& band, COLORREF clr)
{
    for (int x = band.right - 1; x >= band.left; --x)
        for (int y = band.top; y < band.bottom; ++y)
            if (canvas.At(x, y) == clr)
                return x;
    return -1;
}

TEST(BarDrawing, PopupOnAToolbarMeasuresItsTextPlusSix)
{
    PaintTestBar bar(xtpBarTypeNormal, xtpBarTop);
    ProbeControl* pPopup = bar.AddControl(xtpControlPopup, 0, L"&Tools");
    MemoryCanvas canvas(10, 10);
    CFont* pOld = canvas.dc().SelectObject(bar.GetPaintManager()->GetRegularFont());
    const CSize szText = canvas.dc().GetTextExtent(L"Tools", 5);
    canvas.dc().SelectObject(pOld);
    EXPECT_EQ(pPopup->GetSize(&canvas.dc()), CSize(szText.cx + 6, szText.cy + 6));
}

TEST(BarDrawing, CheckedToolbarButtonIdleAndHovered)
{
    for (int nSelected : {0, 1}) {
        SCOPED_TRACE(nSelected ? "hovered" : "idle");
        PaintTestBar bar(xtpBarTypeNormal, xtpBarTop);
        bar.AddControl(xtpControlButton, PaintTestBar::kFirstCommand, L"");
        ProbeControl* pButton = bar.AddControl(xtpControlButton, PaintTestBar::kFirstCommand + 1, L"");
        pButton->SetChecked(1);
        pButton->SetSelectedState(nSelected);
        MemoryCanvas probe(10, 10);
        const CSize sz = bar.Layout(&probe.dc(), 400);
        MemoryCanvas canvas(sz.cx, sz.cy);
        bar.DrawCommandBar(&canvas.dc());

        CXTPPaintManager* pPaintManager = bar.GetPaintManager();
        const CRect rc = pButton->GetRect();
        ASSERT_EQ(rc.Size(), bar.GetButtonSize());
        EXPECT_EQ(canvas.At(rc.left, rc.top + 4), pPaintManager->GetColor(COLOR_BTNSHADOW)) << "sunken";
        EXPECT_EQ(canvas.At(rc.right - 1, rc.bottom - 4), pPaintManager->GetColor(COLOR_BTNHIGHLIGHT));
        // Between the frame and the icon: dithered when idle, the bar's face when hovered.
        const CRect rcMargin(rc.left + 1, rc.top + 1, rc.right - 1, rc.top + 3);
        const int nLight = canvas.Count(rcMargin, pPaintManager->GetColor(COLOR_BTNHIGHLIGHT));
        const int nFace = canvas.Count(rcMargin, pPaintManager->GetColor(COLOR_BTNFACE));
        EXPECT_EQ(nLight + nFace, rcMargin.Width() * rcMargin.Height());
        if (nSelected)
            EXPECT_EQ(nLight, 0);
        else
            EXPECT_NEAR(nLight, nFace, 1);
        // The first, unchecked and idle button stays flat.
        const CRect rcFirst = bar.GetAt(0)->GetRect();
        EXPECT_EQ(canvas.At(rcFirst.left, rcFirst.top + 4), pPaintManager->GetColor(COLOR_BTNFACE));
    }
}

TEST(BarDrawing, SeparatorsOfToolbarAndMenu)
{
    PaintTestBar toolbar(xtpBarTypeNormal, xtpBarTop);
    FillToolBar(toolbar, 6);
    MemoryCanvas probe(10, 10);
    const CSize szBar = toolbar.Layout(&probe.dc(), 400);
    MemoryCanvas canvas(szBar.cx, szBar.cy);
    toolbar.DrawCommandBar(&canvas.dc());
    CXTPPaintManager* pPaintManager = toolbar.GetPaintManager();
    const CRect rcSixth = toolbar.GetAt(5)->GetRect();
    const int y = rcSixth.CenterPoint().y;
    EXPECT_EQ(rcSixth.left - toolbar.GetAt(4)->GetRect().right, 6) << "a separator's room";
    EXPECT_EQ(canvas.At(rcSixth.left - 4, y), pPaintManager->GetColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(rcSixth.left - 3, y), pPaintManager->GetColor(COLOR_BTNHIGHLIGHT));

    PaintTestBar menu(xtpBarTypePopup, xtpBarPopup);
    FillMenu(menu, 6);
    const CSize szMenu = menu.Layout(&probe.dc(), 0);
    MemoryCanvas menuCanvas(szMenu.cx, szMenu.cy);
    menu.DrawCommandBar(&menuCanvas.dc());
    const CRect rcRow = menu.GetAt(5)->GetRect();
    EXPECT_EQ(rcRow.top - menu.GetAt(4)->GetRect().bottom, 8);
    for (int x : {14, static_cast<int>(szMenu.cx / 2), static_cast<int>(szMenu.cx - 16)}) {
        EXPECT_EQ(menuCanvas.At(x, rcRow.top - 5), pPaintManager->GetColor(COLOR_BTNSHADOW)) << x;
        EXPECT_EQ(menuCanvas.At(x, rcRow.top - 4), pPaintManager->GetColor(COLOR_BTNHIGHLIGHT)) << x;
    }
    EXPECT_EQ(menuCanvas.At(13, rcRow.top - 5), pPaintManager->GetColor(COLOR_BTNFACE));
    EXPECT_EQ(menuCanvas.At(szMenu.cx - 14, rcRow.top - 5), pPaintManager->GetColor(COLOR_BTNFACE));
}

TEST(BarDrawing, MenuRowWithCheckMarkAndRightAlignedShortcut)
{
    PaintTestBar menu(xtpBarTypePopup, xtpBarPopup);
    ProbeControl* pRow = menu.AddControl(xtpControlButton, 0, L"&Open\tCtrl+O");
    pRow->SetChecked(1);
    menu.AddControl(xtpControlButton, 0, L"Save");
    MemoryCanvas probe(10, 10);
    CSize sz = menu.Layout(&probe.dc(), 0);
    sz.cx += 60;   // room to see the shortcut pushed to the right
    pRow->SetRect(CRect(3, 3, sz.cx - 3, pRow->GetRect().bottom));
    MemoryCanvas canvas(sz.cx, sz.cy);
    menu.DrawCommandBar(&canvas.dc());

    CXTPPaintManager* pPaintManager = menu.GetPaintManager();
    const CRect rc = pRow->GetRect();
    const int g = std::max(pPaintManager->GetTextHeight(), 20);
    const CRect rcBox(rc.left, rc.top + (rc.Height() - g) / 2, rc.left + g, rc.top + (rc.Height() - g) / 2 + g);
    const COLORREF clrText = pPaintManager->GetColor(COLOR_BTNTEXT);
    // The check box: a checked button frame (sunken) around a check mark in the menu text colour.
    EXPECT_EQ(canvas.At(rcBox.left, rcBox.CenterPoint().y), pPaintManager->GetColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(rcBox.right - 1, rcBox.CenterPoint().y), pPaintManager->GetColor(COLOR_BTNHIGHLIGHT));
    const CPoint c = rcBox.CenterPoint();
    EXPECT_EQ(canvas.At(c.x - 2, c.y + 1), clrText) << "the check's corner";
    EXPECT_EQ(canvas.Count(CRect(c.x - 4, c.y - 4, c.x + 3, c.y + 3), clrText), 2 * 7)
        << "two strokes of seven pixels";
    // The shortcut ends 19 pixels before the row's right end; the caption starts after the gutter.
    const CRect rcBand(rc.left + g + 1, rc.top, rc.right, rc.bottom);
    const int nRight = RightmostOf(canvas, rcBand, clrText);
    EXPECT_LE(nRight, rc.right - 20);
    EXPECT_GE(nRight, rc.right - 24);
    for (int x = rc.left + g + 1; x < rc.left + g + 4; ++x)
        EXPECT_EQ(canvas.Count(CRect(x, rc.top, x + 1, rc.bottom), clrText), 0) << x;
}

TEST(BarDrawing, FloatingCaptionStripFollowsTheCaptionFont)
{
    // A caption font below 15 pixels gets the 18-pixel strip, a taller one its height + 3.
    for (int nFontHeight : {10, 20}) {
        SCOPED_TRACE(nFontHeight);
        PaintTestBar bar(xtpBarTypeNormal, xtpBarFloating);
        bar.SetTitle(L"Standard");
        CFont* pCaptionFont = bar.GetPaintManager()->GetSmCaptionFont();
        pCaptionFont->DeleteObject();
        pCaptionFont->CreateFont(nFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        MemoryCanvas canvas(120, 40);
        CFont* pOld = canvas.dc().SelectObject(pCaptionFont);
        const int nSpace = canvas.dc().GetTextExtent(L" ", 1).cy;
        canvas.dc().SelectObject(pOld);
        const int nStripBottom = nSpace < 15 ? 18 : nSpace + 3;
        if (nFontHeight == 10) {
            ASSERT_LT(nSpace, 15);
        } else {
            ASSERT_GE(nSpace, 15);
        }

        const CSize sz = bar.GetPaintManager()->DrawCommandBarGripper(&canvas.dc(), &bar, TRUE);
        EXPECT_EQ(sz, CSize(120 - 6, nStripBottom - 3));
        const COLORREF clrCaption = bar.GetPaintManager()->GetColor(COLOR_ACTIVECAPTION);
        EXPECT_EQ(canvas.At(3, nStripBottom - 1), clrCaption);
        EXPECT_EQ(canvas.At(116, 3), clrCaption);
        EXPECT_EQ(canvas.At(3, nStripBottom), RGB(255, 255, 255));
        EXPECT_GT(canvas.Count(CRect(5, 3, 60, nStripBottom), bar.GetPaintManager()->GetColor(COLOR_BTNHIGHLIGHT)), 10)
            << "the title";
    }
}

TEST(BarDrawing, ToolbarAndMenuPictures)
{
    PaintTestBar toolbar(xtpBarTypeNormal, xtpBarTop);
    FillToolBar(toolbar, 12);
    toolbar.GetAt(2)->SetChecked(1);
    static_cast<ProbeControl*>(toolbar.GetAt(3))->SetSelectedState(1);
    toolbar.GetAt(7)->SetEnabled(FALSE);
    toolbar.AddControl(xtpControlPopup, 0, L"&Tools", TRUE);
    MemoryCanvas probe(10, 10);
    const CSize szBar = toolbar.Layout(&probe.dc(), 1000);
    MemoryCanvas toolbarCanvas(szBar.cx, szBar.cy);
    toolbar.DrawCommandBar(&toolbarCanvas.dc());
    SavePicture(toolbarCanvas, L"commandbar_toolbar.png");

    PaintTestBar menu(xtpBarTypePopup, xtpBarPopup);
    FillMenu(menu, 12);
    static_cast<ProbeControl*>(menu.GetAt(3))->SetSelectedState(1);
    const CSize szMenu = menu.Layout(&probe.dc(), 0);
    MemoryCanvas menuCanvas(szMenu.cx, szMenu.cy);
    menu.DrawCommandBar(&menuCanvas.dc());
    SavePicture(menuCanvas, L"commandbar_menu.png");

    // The selected row's text area is highlighted, its gutter is not.
    const CRect rcSelected = menu.GetAt(3)->GetRect();
    const COLORREF clrHighlight = menu.GetPaintManager()->GetColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(menuCanvas.At(rcSelected.right - 2, rcSelected.top + 1), clrHighlight);
    EXPECT_NE(menuCanvas.At(rcSelected.left + 1, rcSelected.top + 1), clrHighlight);
}

} // namespace
