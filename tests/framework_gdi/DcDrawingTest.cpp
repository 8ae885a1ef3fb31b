#include "MemoryCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(DcDrawing, FillSolidRectCoversExactlyTheRectangleAndKeepsTheBackgroundColour)
{
    MemoryCanvas canvas(40, 40);
    canvas.dc().FillSolidRect(CRect(5, 6, 15, 16), kRed);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 40), kRed), 100);
    EXPECT_EQ(canvas.At(5, 6), kRed);
    EXPECT_EQ(canvas.At(14, 15), kRed);
    EXPECT_EQ(canvas.At(15, 15), kWhite); // right and bottom edges stay outside
    EXPECT_EQ(canvas.At(14, 16), kWhite);
    EXPECT_EQ(canvas.dc().GetBkColor(), kRed);

    canvas.dc().FillSolidRect(20, 20, 3, 2, kBlue);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 40), kBlue), 6);
}

TEST(DcDrawing, Draw3dRectGivesTheFarCornersToTheBottomRightColour)
{
    MemoryCanvas canvas(30, 30);
    canvas.dc().Draw3dRect(CRect(5, 5, 15, 12), kRed, kBlue);
    // Top row and left column, without the far corners.
    EXPECT_EQ(canvas.Count(CRect(5, 5, 14, 6), kRed), 9);
    EXPECT_EQ(canvas.Count(CRect(5, 5, 6, 11), kRed), 6);
    // Right column and bottom row, corners included.
    EXPECT_EQ(canvas.At(14, 5), kBlue);
    EXPECT_EQ(canvas.At(5, 11), kBlue);
    EXPECT_EQ(canvas.Count(CRect(14, 5, 15, 12), kBlue), 7);
    EXPECT_EQ(canvas.Count(CRect(5, 11, 15, 12), kBlue), 10);
    // Nothing inside or outside the frame.
    EXPECT_EQ(canvas.Count(CRect(6, 6, 14, 11), kWhite), 40);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 30, 30), kWhite), 900 - 30); // the frame's perimeter
}

TEST(DcDrawing, LinesUseTheSelectedPenAndLeaveOutTheEndPoint)
{
    MemoryCanvas canvas(30, 30);
    CPen pen(PS_SOLID, 1, kGreen);
    CPen* oldPen = canvas.dc().SelectObject(&pen);
    ASSERT_NE(oldPen, nullptr);
    EXPECT_EQ(canvas.dc().MoveTo(2, 10), CPoint(0, 0));
    canvas.dc().LineTo(12, 10);
    EXPECT_EQ(canvas.dc().GetCurrentPosition(), CPoint(12, 10));
    EXPECT_EQ(canvas.Count(CRect(0, 10, 30, 11), kGreen), 10);
    EXPECT_EQ(canvas.At(12, 10), kWhite);

    const POINT corners[] = {{20, 2}, {25, 2}, {25, 7}};
    canvas.dc().Polyline(corners, 3);
    EXPECT_EQ(canvas.At(22, 2), kGreen);
    EXPECT_EQ(canvas.At(25, 5), kGreen);
    canvas.dc().SelectObject(oldPen);
}

TEST(DcDrawing, SelectObjectReturnsWhatWasSelectedSoItCanBeRestored)
{
    MemoryCanvas canvas(10, 10);
    CDC& dc = canvas.dc();
    HGDIOBJ stockPen = ::GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ stockBrush = ::GetCurrentObject(dc, OBJ_BRUSH);
    HGDIOBJ stockFont = ::GetCurrentObject(dc, OBJ_FONT);

    CPen pen(PS_SOLID, 2, kRed);
    CBrush brush(kBlue);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, L"Tahoma"));

    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);
    CFont* oldFont = dc.SelectObject(&font);
    EXPECT_EQ(oldPen->GetSafeHandle(), stockPen);
    EXPECT_EQ(oldBrush->GetSafeHandle(), stockBrush);
    EXPECT_EQ(oldFont->GetSafeHandle(), stockFont);
    // Wrappers of foreign handles are of the matching class.
    EXPECT_TRUE(oldPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_TRUE(oldFont->IsKindOf(RUNTIME_CLASS(CFont)));
    // Our own objects come back as themselves.
    EXPECT_EQ(dc.GetCurrentPen(), &pen);
    EXPECT_EQ(dc.GetCurrentBrush(), &brush);
    EXPECT_EQ(dc.GetCurrentFont(), &font);
    EXPECT_EQ(dc.GetCurrentBitmap(), &canvas.bitmap());

    EXPECT_EQ(dc.SelectObject(oldPen), &pen);
    EXPECT_EQ(dc.SelectObject(oldBrush), &brush);
    EXPECT_EQ(dc.SelectObject(oldFont), &font);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), stockPen);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), stockBrush);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), stockFont);

    CGdiObject* previous = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(previous->GetSafeHandle(), stockBrush);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), ::GetStockObject(NULL_BRUSH));

    // A null object selects nothing.
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), stockPen);
    CGdiObject::DeleteTempMap();
}

TEST(DcDrawing, ShapesUseThePenForTheOutlineAndTheBrushInside)
{
    MemoryCanvas canvas(40, 40);
    CDC& dc = canvas.dc();
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);

    dc.Rectangle(CRect(2, 2, 12, 12));
    EXPECT_EQ(canvas.At(2, 2), kRed);
    EXPECT_EQ(canvas.At(11, 11), kRed);
    EXPECT_EQ(canvas.At(12, 12), kWhite);
    EXPECT_EQ(canvas.Count(CRect(3, 3, 11, 11), kBlue), 64);

    dc.Ellipse(20, 20, 40, 40);
    EXPECT_EQ(canvas.At(30, 30), kBlue);
    EXPECT_EQ(canvas.At(20, 20), kWhite);

    const POINT triangle[] = {{2, 20}, {12, 20}, {2, 30}};
    dc.Polygon(triangle, 3);
    EXPECT_EQ(canvas.At(4, 22), kBlue);
    EXPECT_EQ(canvas.At(11, 29), kWhite);

    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

TEST(DcDrawing, RectangleHelpersWithBrushes)
{
    MemoryCanvas canvas(30, 30);
    CDC& dc = canvas.dc();
    CBrush red(kRed);
    CBrush green(kGreen);
    dc.FillRect(CRect(0, 0, 10, 10), &red);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 30, 30), kRed), 100);
    dc.FrameRect(CRect(10, 10, 20, 20), &green);
    EXPECT_EQ(canvas.Count(CRect(10, 10, 20, 20), kGreen), 36);
    dc.InvertRect(CRect(0, 0, 5, 5));
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 255, 255));

    CBrush hatch(HS_CROSS, kBlack);
    dc.FillRect(CRect(20, 20, 30, 30), &hatch);
    const int dark = canvas.Count(CRect(20, 20, 30, 30), kBlack);
    EXPECT_GT(dark, 0);
    EXPECT_LT(dark, 100);

    dc.SetPixel(25, 5, kBlue);
    EXPECT_EQ(dc.GetPixel(CPoint(25, 5)), kBlue);

    dc.PatBlt(0, 20, 5, 5, BLACKNESS);
    EXPECT_EQ(canvas.Count(CRect(0, 20, 5, 25), kBlack), 25);
}

TEST(DcDrawing, DrawTextDrawsAndMeasures)
{
    MemoryCanvas canvas(200, 60);
    CDC& dc = canvas.dc();
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, L"Tahoma"));
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetTextColor(kBlack);
    dc.SetBkMode(TRANSPARENT);

    CRect measured(0, 0, 0, 0);
    const int measuredHeight = dc.DrawText(L"Calendar", -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(measuredHeight, 5);
    EXPECT_GT(measured.Width(), 20);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 200, 60), kWhite), 200 * 60); // measuring draws nothing

    const CSize extent = dc.GetTextExtent(CString(L"Calendar"));
    EXPECT_EQ(extent.cx, measured.Width());
    EXPECT_GT(dc.GetTextExtent(L"Calendar entries", 16).cx, extent.cx);

    CRect box(10, 10, 190, 50);
    const int height = dc.DrawText(CString(L"Calendar"), &box, DT_SINGLELINE | DT_LEFT | DT_TOP);
    EXPECT_EQ(height, measuredHeight);
    const int ink = 200 * 60 - canvas.Count(CRect(0, 0, 200, 60), kWhite);
    EXPECT_GT(ink, 20);
    // Everything drawn lies inside the text's measured box.
    EXPECT_EQ(canvas.Count(CRect(0, 0, 200, 10), kWhite), 200 * 10);
    EXPECT_EQ(canvas.Count(CRect(10 + measured.Width() + 1, 0, 200, 60), kWhite),
              (200 - 11 - measured.Width()) * 60);

    TEXTMETRIC metrics{};
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight, measuredHeight);

    CString face;
    dc.GetTextFace(face);
    EXPECT_FALSE(face.IsEmpty());
    dc.SelectObject(oldFont);
}

TEST(DcDrawing, TextOutWithOpaqueBackground)
{
    MemoryCanvas canvas(100, 30);
    CDC& dc = canvas.dc();
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kGreen);
    dc.SetTextColor(kBlack);
    dc.TextOut(0, 0, CString(L"Hi"));
    EXPECT_GT(canvas.Count(CRect(0, 0, 100, 30), kGreen), 10);
    EXPECT_GT(canvas.Count(CRect(0, 0, 100, 30), kBlack), 3);

    const CRect opaque(50, 0, 100, 30);
    dc.ExtTextOut(50, 0, ETO_OPAQUE, opaque, CString(), nullptr);
    EXPECT_EQ(canvas.Count(opaque, kGreen), 50 * 30);
}

TEST(DcDrawing, SaveAndRestoreBringBackTheState)
{
    MemoryCanvas canvas(10, 10);
    CDC& dc = canvas.dc();
    dc.SetTextColor(kRed);
    const int saved = dc.SaveDC();
    ASSERT_NE(saved, 0);
    EXPECT_EQ(dc.SetTextColor(kBlue), kRed);
    dc.SetMapMode(MM_TWIPS);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetTextColor(), kRed);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.SetROP2(R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(dc.GetROP2(), R2_XORPEN);
}

TEST(DcDrawing, ClippingLimitsTheOutput)
{
    MemoryCanvas canvas(40, 40);
    CDC& dc = canvas.dc();
    dc.IntersectClipRect(10, 10, 30, 30);
    CRect box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(10, 10, 30, 30));
    dc.ExcludeClipRect(CRect(10, 10, 20, 30));
    dc.FillSolidRect(0, 0, 40, 40, kRed);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 40), kRed), 10 * 20);
    EXPECT_EQ(canvas.At(25, 15), kRed);

    // A region, then none.
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(0, 0, 5, 5));
    EXPECT_NE(dc.SelectClipRgn(&region), ERROR);
    dc.FillSolidRect(0, 0, 40, 40, kBlue);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 40), kBlue), 25);
    dc.SelectClipRgn(nullptr);
    dc.FillSolidRect(0, 0, 40, 40, kGreen);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 40), kGreen), 1600);
}

TEST(DcDrawing, MappingMovesTheOrigin)
{
    MemoryCanvas canvas(40, 40);
    CDC& dc = canvas.dc();
    EXPECT_EQ(dc.SetViewportOrg(10, 5), CPoint(0, 0));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(10, 5));
    dc.FillSolidRect(0, 0, 2, 2, kRed);
    EXPECT_EQ(canvas.At(10, 5), kRed);
    EXPECT_EQ(canvas.At(0, 0), kWhite);

    CPoint point(1, 1);
    dc.LPtoDP(&point);
    EXPECT_EQ(point, CPoint(11, 6));
    CRect rect(0, 0, 4, 4);
    dc.DPtoLP(&rect);
    EXPECT_EQ(rect, CRect(-10, -5, -6, -1));

    dc.SetViewportOrg(CPoint(0, 0));
    dc.SetWindowOrg(5, 5);
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(5, 5));
    dc.FillSolidRect(5, 5, 1, 1, kBlue);
    EXPECT_EQ(canvas.At(0, 0), kBlue);

    dc.SetWindowOrg(0, 0);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 2);
    CSize size(3, 4);
    dc.LPtoDP(&size);
    EXPECT_EQ(size, CSize(6, 8));
    EXPECT_GT(dc.GetDeviceCaps(LOGPIXELSY), 0);
}

TEST(DcDrawing, BlitsCopyAndStretch)
{
    MemoryCanvas source(10, 10);
    source.dc().FillSolidRect(0, 0, 5, 10, kRed);
    MemoryCanvas target(40, 40);
    EXPECT_TRUE(target.dc().BitBlt(20, 20, 10, 10, &source.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(target.At(20, 20), kRed);
    EXPECT_EQ(target.At(25, 20), kWhite);
    EXPECT_TRUE(target.dc().StretchBlt(0, 0, 20, 20, &source.dc(), 0, 0, 10, 10, SRCCOPY));
    EXPECT_EQ(target.Count(CRect(0, 0, 20, 20), kRed), 200);
}

TEST(DcDrawing, GradientFillRunsFromStartToEndColour)
{
    MemoryCanvas canvas(101, 10);
    TRIVERTEX vertices[2] = {{0, 0, 0, 0, 0, 0}, {101, 10, 0xFF00, 0xFF00, 0xFF00, 0}};
    GRADIENT_RECT mesh{0, 1};
    ASSERT_TRUE(canvas.dc().GradientFill(vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    EXPECT_LT(GetRValue(canvas.At(0, 5)), 8);
    EXPECT_GT(GetRValue(canvas.At(100, 5)), 245);
    EXPECT_NEAR(GetGValue(canvas.At(50, 5)), 127, 8);
    EXPECT_EQ(canvas.At(30, 0), canvas.At(30, 9)); // horizontal: columns are even
}

TEST(DcDrawing, SystemDrawingHelpers)
{
    MemoryCanvas canvas(60, 40);
    CDC& dc = canvas.dc();
    CRect edge(0, 0, 20, 20);
    EXPECT_TRUE(dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT));
    EXPECT_NE(canvas.At(0, 0), kWhite);
    EXPECT_EQ(canvas.At(10, 10), kWhite);

    dc.DrawFocusRect(CRect(30, 0, 40, 10));
    EXPECT_GT(canvas.Count(CRect(30, 0, 40, 10), kWhite), 0);
    EXPECT_LT(canvas.Count(CRect(30, 0, 40, 10), kWhite), 100);

    HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(dc.DrawIcon(CPoint(0, 0), icon));
    EXPECT_TRUE(dc.DrawState(CPoint(40, 20), CSize(12, 12), L"Ab", DSS_NORMAL, TRUE, 0, static_cast<CBrush*>(nullptr)));
}

TEST(DcDrawing, DcHandleMap)
{
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    EXPECT_EQ(CDC::FromHandle(memory.GetSafeHdc()), &memory);

    HDC foreign = ::CreateCompatibleDC(nullptr);
    CDC* wrapper = CDC::FromHandle(foreign);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hDC, foreign);
    EXPECT_EQ(wrapper->m_hAttribDC, foreign);
    EXPECT_EQ(CDC::FromHandle(foreign), wrapper); // one wrapper per handle
    CDC::DeleteTempMap();
    // The temporary wrapper did not take the DC with it.
    EXPECT_NE(::GetDeviceCaps(foreign, BITSPIXEL), 0);
    EXPECT_TRUE(::DeleteDC(foreign));

    HDC hDC = memory.Detach();
    EXPECT_EQ(memory.GetSafeHdc(), nullptr);
    EXPECT_NE(CDC::FromHandle(hDC), &memory);
    CDC::DeleteTempMap();
    ::DeleteDC(hDC);

    CDC* none = nullptr;
    EXPECT_EQ(none->GetSafeHdc(), nullptr);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);
}

} // namespace
