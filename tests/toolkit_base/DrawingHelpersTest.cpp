#include <gtest/gtest.h>

#include <cstdlib>

#include "CXTBrushSelector.h"
#include "CXTDragTracker.h"
#include "CXTGradientFiller.h"
#include "CXTObjectSelector.h"
#include "CXTOffscreenDC.h"
#include "CXTPPaintManagerColorGradient.h"
#include "CXTPenSelector.h"
#include "FontHelpers.h"
#include "IconHelpers.h"
#include "PixelHelpers.h"
#include "ToolkitTestHost.h"
#include "WorkArea.h"

namespace {

constexpr COLORREF kBackground = RGB(0x80, 0x80, 0x80);

// GradientFill rounds on its own; its colours may differ from the exact mix by a step or two.
bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance
           && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

struct FillerCase {
    const char* name;
    bool banded;
    int tolerance;
};

const FillerCase kFillers[] = {{"GradientFill", false, 2}, {"banded", true, 0}};

const CXTGradientFiller& Filler(const FillerCase& c)
{
    static const CXTGradientFiller banded(nullptr);
    return c.banded ? banded : CXTGradientFiller::Instance();
}

// A canvas point at (along, across) of the gradient's direction.
POINT At(BOOL bHorizontal, int along, int across)
{
    return bHorizontal ? POINT{along, across} : POINT{across, along};
}

CRect Oriented(BOOL bHorizontal, int alongFrom, int acrossFrom, int alongTo, int acrossTo)
{
    return bHorizontal ? CRect(alongFrom, acrossFrom, alongTo, acrossTo) : CRect(acrossFrom, alongFrom, acrossTo, alongTo);
}

} // namespace

TEST(GradientFiller, FillsFromStartToEndWithAndWithoutGradientFill)
{
    const COLORREF start = RGB(255, 0, 0);
    const COLORREF end = RGB(0, 0, 255);
    for (const FillerCase& filler : kFillers) {
        for (BOOL horizontal : {TRUE, FALSE}) {
            SCOPED_TRACE(testing::Message() << filler.name << (horizontal ? " horizontal" : " vertical"));
            MemoryCanvas canvas(120, 120);
            canvas.dc().FillSolidRect(0, 0, 120, 120, kBackground);
            Filler(filler).FillGradient(&canvas.dc(), Oriented(horizontal, 10, 10, 110, 30), start, end, horizontal);
            for (int offset : {0, 25, 50, 99}) {
                const POINT p = At(horizontal, 10 + offset, 20);
                const COLORREF expected = CXTGradientFiller::MixColorsByRatio(start, end, 1.0 - offset / 100.0);
                EXPECT_TRUE(Near(canvas.At(p.x, p.y), expected, filler.tolerance))
                    << "at " << offset << ": " << std::hex << canvas.At(p.x, p.y) << " wanted " << expected;
            }
            const POINT before = At(horizontal, 9, 20);
            const POINT after = At(horizontal, 110, 20);
            const POINT beside = At(horizontal, 50, 30);
            EXPECT_EQ(canvas.At(before.x, before.y), kBackground);
            EXPECT_EQ(canvas.At(after.x, after.y), kBackground);
            EXPECT_EQ(canvas.At(beside.x, beside.y), kBackground);
        }
    }
}

TEST(GradientFiller, EqualColoursFillOneSolidColour)
{
    for (const FillerCase& filler : kFillers) {
        SCOPED_TRACE(filler.name);
        MemoryCanvas canvas(40, 20);
        const CRect rect(5, 5, 35, 15);
        Filler(filler).FillGradient(&canvas.dc(), rect, RGB(10, 200, 30), RGB(10, 200, 30), TRUE);
        EXPECT_EQ(canvas.Count(rect, RGB(10, 200, 30)), rect.Width() * rect.Height());
    }
}

TEST(GradientFiller, ClippedFillHasTheWholeGradientsColoursInsideTheClip)
{
    for (const FillerCase& filler : kFillers) {
        for (BOOL horizontal : {TRUE, FALSE}) {
            SCOPED_TRACE(testing::Message() << filler.name << (horizontal ? " horizontal" : " vertical"));
            MemoryCanvas canvas(100, 100);
            canvas.dc().FillSolidRect(0, 0, 100, 100, kBackground);
            const CRect rect = Oriented(horizontal, 0, 0, 100, 20);
            const CRect clip = Oriented(horizontal, 20, 5, 60, 15);
            Filler(filler).FillGradientClipped(&canvas.dc(), rect, RGB(0, 0, 0), RGB(255, 255, 255), horizontal, &clip);
            // The cut lines carry the colours the full gradient has there.
            for (int along : {20, 21, 40, 59}) {
                const POINT p = At(horizontal, along, 10);
                const COLORREF expected =
                    CXTGradientFiller::MixColorsByRatio(RGB(0, 0, 0), RGB(255, 255, 255), 1.0 - along / 100.0);
                EXPECT_TRUE(Near(canvas.At(p.x, p.y), expected, filler.tolerance + 1))
                    << "at " << along << ": " << std::hex << canvas.At(p.x, p.y) << " wanted " << expected;
            }
            EXPECT_EQ(canvas.Count(clip, kBackground), 0);
            EXPECT_EQ(canvas.Count(CRect(0, 0, 100, 100), kBackground), 100 * 100 - clip.Width() * clip.Height());
        }
    }
}

TEST(GradientFiller, ClippedFillDrawsNothingOutsideTheClipOrForAnEmptyRectangle)
{
    MemoryCanvas canvas(100, 40);
    canvas.dc().FillSolidRect(0, 0, 100, 40, kBackground);
    const CXTGradientFiller& filler = Filler(kFillers[1]);
    const CRect clip(60, 0, 90, 40);
    filler.FillGradientClipped(&canvas.dc(), CRect(0, 0, 50, 20), RGB(0, 0, 0), RGB(255, 255, 255), TRUE, &clip);
    filler.FillGradientClipped(&canvas.dc(), CRect(70, 0, 70, 20), RGB(0, 0, 0), RGB(255, 255, 255), TRUE, &clip);
    filler.FillGradientClipped(&canvas.dc(), CRect(70, 10, 80, 10), RGB(0, 0, 0), RGB(255, 255, 255), FALSE, &clip);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 100, 40), kBackground), 100 * 40);
}

TEST(GradientFiller, PairPutsTheMiddleColourAtTheMiddle)
{
    MemoryCanvas canvas(100, 10);
    CXTPPaintManagerColorGradient gradient;
    gradient.SetStandardValue(RGB(255, 255, 255), RGB(0, 0, 0), 0.75f);
    CXTGradientFiller::Instance().FillGradientPair(&canvas.dc(), CRect(0, 0, 100, 10), gradient, TRUE);
    // Three quarters of the way toward the start colour.
    EXPECT_TRUE(Near(canvas.At(50, 5), RGB(191, 191, 191), 2)) << std::hex << canvas.At(50, 5);
    EXPECT_TRUE(Near(canvas.At(0, 5), RGB(255, 255, 255), 2));
    EXPECT_TRUE(Near(canvas.At(25, 5), RGB(223, 223, 223), 2)) << std::hex << canvas.At(25, 5);
    EXPECT_TRUE(Near(canvas.At(99, 5), RGB(4, 4, 4), 2)) << std::hex << canvas.At(99, 5);
}

TEST(GradientFiller, MixesByRatioCuttingTowardZero)
{
    EXPECT_EQ(CXTGradientFiller::MixColorsByRatio(RGB(255, 255, 255), RGB(0, 0, 0), 0.75), RGB(191, 191, 191));
    EXPECT_EQ(CXTGradientFiller::MixColorsByRatio(RGB(200, 0, 10), RGB(0, 100, 20), 0.5), RGB(100, 50, 15));
    EXPECT_EQ(CXTGradientFiller::MixColorsByRatio(RGB(1, 2, 3), RGB(4, 5, 6), 1.0), RGB(1, 2, 3));
}

TEST(DrawingHelpers, StripsMnemonics)
{
    const struct {
        const wchar_t* text;
        const wchar_t* stripped;
    } cases[] = {{L"&File", L"File"}, {L"Save && Exit", L"Save & Exit"}, {L"End&", L"End"},
                 {L"&&&x", L"&x"},   {L"plain", L"plain"},             {L"", L""}};
    for (const auto& c : cases) {
        CString text(c.text);
        StripMnemonics(text);
        EXPECT_STREQ(text, c.stripped) << "from " << CStringA(c.text).GetString();
    }
}

TEST(DrawingHelpers, AveragesWholePairsOnly)
{
    MemoryCanvas canvas(10, 10);
    canvas.dc().SetPixelV(1, 1, RGB(0, 0, 0));
    canvas.dc().SetPixelV(2, 1, RGB(254, 100, 7));
    canvas.dc().SetPixelV(5, 5, RGB(10, 10, 10));
    // An odd count: the third point has no offset and is left alone.
    const POINT points[] = {{1, 1}, {1, 0}, {5, 5}};
    AverageWithNeighbour(&canvas.dc(), points, 3);
    EXPECT_EQ(canvas.At(1, 1), RGB(127, 50, 3));
    EXPECT_EQ(canvas.At(5, 5), RGB(10, 10, 10));
}

TEST(DrawingHelpers, SelectorsSelectAndRestore)
{
    MemoryCanvas canvas(10, 10);
    const HDC hDC = canvas.dc().GetSafeHdc();
    const HGDIOBJ hPenBefore = ::GetCurrentObject(hDC, OBJ_PEN);
    const HGDIOBJ hBrushBefore = ::GetCurrentObject(hDC, OBJ_BRUSH);
    {
        CXTPenSelector pen(hDC, RGB(255, 0, 0));
        EXPECT_EQ(CXTPenSelector::GetPenColor(static_cast<HPEN>(::GetCurrentObject(hDC, OBJ_PEN))), RGB(255, 0, 0));
        CXTBrushSelector brush(hDC, RGB(0, 255, 0));
        brush.SetColor(RGB(0, 0, 255));
        LOGBRUSH logBrush{};
        ::GetObjectW(::GetCurrentObject(hDC, OBJ_BRUSH), sizeof(logBrush), &logBrush);
        EXPECT_EQ(logBrush.lbColor, RGB(0, 0, 255));
        {
            CXTObjectSelector stock(hDC, ::GetStockObject(WHITE_BRUSH));
            EXPECT_EQ(::GetCurrentObject(hDC, OBJ_BRUSH), ::GetStockObject(WHITE_BRUSH));
        }
        ::GetObjectW(::GetCurrentObject(hDC, OBJ_BRUSH), sizeof(logBrush), &logBrush);
        EXPECT_EQ(logBrush.lbColor, RGB(0, 0, 255));
    }
    EXPECT_EQ(::GetCurrentObject(hDC, OBJ_PEN), hPenBefore);
    EXPECT_EQ(::GetCurrentObject(hDC, OBJ_BRUSH), hBrushBefore);
}

TEST(DrawingHelpers, OffscreenDcDrawsInTargetCoordinatesAndCopiesOnlyItsRectangle)
{
    MemoryCanvas canvas(40, 40);
    {
        CXTOffscreenDC dc(&canvas.dc(), CRect(10, 10, 30, 30));
        dc.FillSolidRect(0, 0, 40, 40, RGB(255, 0, 0));
    }
    EXPECT_EQ(canvas.Count(CRect(10, 10, 30, 30), RGB(255, 0, 0)), 400);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 40, 40), RGB(255, 0, 0)), 400);
}

TEST(DrawingHelpers, IconFromMaskedBitmapIsTransparentWhereTheTopLeftColourIs)
{
    EXPECT_EQ(TopLeftPixelColor(nullptr), static_cast<COLORREF>(-1));
    EXPECT_EQ(IconFromMaskedBitmap(nullptr), nullptr);

    MemoryCanvas picture(8, 6);
    picture.dc().FillSolidRect(0, 0, 8, 6, RGB(255, 0, 255));
    picture.dc().FillSolidRect(2, 2, 4, 2, RGB(0, 128, 0));
    // The bitmap must not stay selected in the canvas while the image list reads it.
    CBitmap spare;
    spare.CreateBitmap(1, 1, 1, 1, nullptr);
    CBitmap* pPicture = picture.dc().SelectObject(&spare);
    const HBITMAP hBitmap = static_cast<HBITMAP>(pPicture->GetSafeHandle());
    EXPECT_EQ(TopLeftPixelColor(hBitmap), RGB(255, 0, 255));
    const HICON hIcon = IconFromMaskedBitmap(hBitmap);
    picture.dc().SelectObject(pPicture);
    ASSERT_NE(hIcon, nullptr);

    MemoryCanvas canvas(8, 6);
    canvas.dc().FillSolidRect(0, 0, 8, 6, kBackground);
    ::DrawIconEx(canvas.dc(), 0, 0, hIcon, 8, 6, 0, nullptr, DI_NORMAL);
    ::DestroyIcon(hIcon);
    EXPECT_EQ(canvas.At(0, 0), kBackground);
    EXPECT_EQ(canvas.At(3, 3), RGB(0, 128, 0));
}

TEST(DrawingHelpers, WorkAreasFallBackToThePrimaryOne)
{
    CRect primary;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &primary, 0);
    EXPECT_EQ(GetWorkAreaFromPoint(CPoint(10, 10)), primary);
    EXPECT_EQ(GetWorkAreaFromPoint(CPoint(-30000, -30000)), primary);
    EXPECT_EQ(GetWorkAreaFromRect(CRect(0, 0, 50, 50)), primary);
    EXPECT_EQ(GetWorkAreaFromWindow(::GetDesktopWindow()), primary);
}

TEST(DrawingHelpers, FindsFontFamiliesWhateverTheirCase)
{
    EXPECT_TRUE(FontFamilyExists(L"tahoma"));
    EXPECT_TRUE(FontFamilyExists(L"Tahoma"));
    EXPECT_FALSE(FontFamilyExists(L"No Such Face Here"));
}

namespace {

// Ends a drag that would otherwise wait for ever: the tracker dispatches the
// timer, whose procedure takes the capture away.
class DragBound {
public:
    DragBound() : m_id(::SetTimer(nullptr, 0, 5000, &DragBound::Expire)) {}
    ~DragBound() { ::KillTimer(nullptr, m_id); }
    static bool Expired() { return s_expired; }

private:
    static void CALLBACK Expire(HWND, UINT, UINT_PTR, DWORD)
    {
        s_expired = true;
        ::ReleaseCapture();
    }
    static inline bool s_expired = false;
    UINT_PTR m_id;
};

void PostMove(HWND hWnd, int x, int y)
{
    ::PostMessageW(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

} // namespace

TEST(DragTracker, FollowsTheMouseWithinItsLimits)
{
    ToolkitTestWindow owner(0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200));
    const struct {
        BOOL horizontal;
        int moveTo;
        LONG expected;
    } cases[] = {
        {TRUE, 80, 78}, {TRUE, 250, 120}, {TRUE, 5, 20}, {FALSE, 90, 88}, {FALSE, 190, 150}, {FALSE, 0, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.horizontal ? "horizontal to " : "vertical to ") << c.moveTo);
        CRect rect = c.horizontal ? CRect(100, 0, 104, 200) : CRect(0, 100, 300, 104);
        // The grip is two pixels inside the bar.
        const CPoint grip = c.horizontal ? CPoint(102, 50) : CPoint(50, 102);
        if (c.horizontal)
            PostMove(owner, c.moveTo, 50);
        else
            PostMove(owner, 50, c.moveTo);
        ::PostMessageW(owner, WM_LBUTTONUP, 0, 0);
        DragBound bound;
        CXTDragTracker tracker(&owner);
        EXPECT_EQ(tracker.Track(20, 30, 120, 150, rect, grip, c.horizontal), 1);
        ASSERT_FALSE(DragBound::Expired());
        EXPECT_EQ(c.horizontal ? rect.left : rect.top, c.expected);
        EXPECT_EQ(c.horizontal ? rect.Width() : rect.Height(), 4);
        EXPECT_EQ(c.horizontal ? rect.top : rect.left, 0);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

TEST(DragTracker, CrossedLimitsKeepTheMinimum)
{
    ToolkitTestWindow owner(0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200));
    CRect rect(100, 0, 104, 200);
    PostMove(owner, 10, 50);
    ::PostMessageW(owner, WM_LBUTTONUP, 0, 0);
    DragBound bound;
    CXTDragTracker tracker(&owner, TRUE);
    EXPECT_EQ(tracker.Track(60, 0, 40, 200, rect, CPoint(100, 50), TRUE), 1);
    EXPECT_EQ(rect.left, 60);
}

TEST(DragTracker, EscapeCancelsWhereTheRectangleWasLastDrawn)
{
    ToolkitTestWindow owner(0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200));
    CRect rect(100, 0, 104, 200);
    PostMove(owner, 90, 50);
    ::PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(owner, WM_LBUTTONUP, 0, 0);
    DragBound bound;
    CXTDragTracker tracker(&owner);
    tracker.SetLastRect(CRect(100, 0, 104, 200));
    EXPECT_EQ(tracker.Track(0, 0, 300, 200, rect, CPoint(100, 50), TRUE), 0);
    EXPECT_EQ(rect.left, 90);
    EXPECT_EQ(::GetCapture(), nullptr);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, owner, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE));
}

TEST(DragTracker, QuitCancelsAndIsHandedOn)
{
    ToolkitTestWindow owner(0, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200));
    CRect rect(100, 0, 104, 200);
    ::PostQuitMessage(7);
    DragBound bound;
    CXTDragTracker tracker(&owner);
    EXPECT_EQ(tracker.Track(0, 0, 300, 200, rect, CPoint(100, 50), TRUE), 0);
    EXPECT_FALSE(DragBound::Expired());
    EXPECT_EQ(::GetCapture(), nullptr);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}
