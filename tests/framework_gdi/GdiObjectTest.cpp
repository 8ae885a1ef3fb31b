#include "CDC.h"
#include "GdiObjectCounter.h"

#include <gtest/gtest.h>

namespace {

TEST(GdiObject, OwnsItsHandleUntilDetached)
{
    HGDIOBJ handle = nullptr;
    {
        CPen pen(PS_DASH, 1, RGB(1, 2, 3));
        handle = pen.GetSafeHandle();
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_PEN));
        LOGPEN logPen{};
        ASSERT_TRUE(pen.GetLogPen(&logPen));
        EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DASH));
        EXPECT_EQ(logPen.lopnColor, RGB(1, 2, 3));
        EXPECT_EQ(CGdiObject::FromHandle(handle), &pen);
    }
    EXPECT_EQ(::GetObjectType(handle), 0u); // deleted with its object

    CBrush brush(RGB(9, 8, 7));
    HGDIOBJ kept = brush.Detach();
    EXPECT_EQ(brush.GetSafeHandle(), nullptr);
    EXPECT_FALSE(brush.DeleteObject());
    EXPECT_EQ(::GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_NE(CGdiObject::FromHandle(kept), &brush);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH)); // a temporary wrapper frees nothing

    CBrush adopted;
    ASSERT_TRUE(adopted.Attach(kept));
    LOGBRUSH logBrush{};
    adopted.GetLogBrush(&logBrush);
    EXPECT_EQ(logBrush.lbColor, RGB(9, 8, 7));
    EXPECT_TRUE(adopted.DeleteObject());
    EXPECT_EQ(::GetObjectType(kept), 0u);

    CGdiObject* none = nullptr;
    EXPECT_EQ(none->GetSafeHandle(), nullptr);
    EXPECT_FALSE(CBrush().Attach(nullptr));
}

TEST(GdiObject, TemporaryWrappersMatchTheHandleKind)
{
    struct Case {
        int stock;
        const CRuntimeClass* kind;
    } const cases[] = {
        {BLACK_PEN, RUNTIME_CLASS(CPen)},
        {GRAY_BRUSH, RUNTIME_CLASS(CBrush)},
        {DEFAULT_GUI_FONT, RUNTIME_CLASS(CFont)},
        {DEFAULT_PALETTE, RUNTIME_CLASS(CPalette)},
    };
    for (const Case& c : cases) {
        CGdiObject* wrapper = CGdiObject::FromHandle(::GetStockObject(c.stock));
        ASSERT_NE(wrapper, nullptr);
        EXPECT_TRUE(wrapper->IsKindOf(c.kind)) << c.kind->m_lpszClassName;
    }
    CGdiObject::DeleteTempMap();
}

TEST(GdiObject, BrushKinds)
{
    CBrush hatch;
    ASSERT_TRUE(hatch.CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 255)));
    LOGBRUSH info{};
    hatch.GetLogBrush(&info);
    EXPECT_EQ(info.lbStyle, static_cast<UINT>(BS_HATCHED));

    CBrush system;
    ASSERT_TRUE(system.CreateSysColorBrush(COLOR_BTNFACE));
    system.GetLogBrush(&info);
    EXPECT_EQ(info.lbColor, ::GetSysColor(COLOR_BTNFACE));

    CBitmap pattern;
    const WORD bits[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    ASSERT_TRUE(pattern.CreateBitmap(8, 8, 1, 1, bits));
    CBrush patterned(&pattern);
    EXPECT_NE(patterned.GetSafeHandle(), nullptr);
}

TEST(GdiObject, FontsByPointSizeAndLogFont)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, L"Arial"));
    LOGFONT logFont{};
    ASSERT_TRUE(font.GetLogFont(&logFont));
    EXPECT_STREQ(logFont.lfFaceName, L"Arial");
    // 12 points at the screen's resolution, as a character height (negative).
    HDC screen = ::GetDC(nullptr);
    const int expected = -::MulDiv(120, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(logFont.lfHeight, expected);

    CFont bold;
    ASSERT_TRUE(bold.CreateFont(-14, 0, 0, 0, FW_BOLD, FALSE, TRUE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma"));
    bold.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    EXPECT_EQ(logFont.lfUnderline, TRUE);

    CFont copy;
    ASSERT_TRUE(copy.CreateFontIndirect(&logFont));
    EXPECT_NE(copy.GetSafeHandle(), bold.GetSafeHandle());
}

TEST(GdiObject, Bitmaps)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(13, 7, 1, 32, nullptr));
    BITMAP info{};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 13);
    EXPECT_EQ(info.bmHeight, 7);
    EXPECT_EQ(info.bmBitsPixel, 32);

    CDC screen;
    screen.Attach(::GetDC(nullptr));
    CBitmap compatible;
    ASSERT_TRUE(compatible.CreateCompatibleBitmap(&screen, 20, 10));
    compatible.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 20);
    ::ReleaseDC(nullptr, screen.Detach());

    CBitmap oem;
    EXPECT_TRUE(oem.LoadOEMBitmap(OBM_CHECK));
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4711)); // no such resource in the test program
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

TEST(GdiObject, Regions)
{
    CRgn a, b, combined;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 5, 15, 15)));
    ASSERT_TRUE(combined.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(combined.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(combined.PtInRegion(2, 2));
    EXPECT_TRUE(combined.PtInRegion(CPoint(14, 14)));
    EXPECT_FALSE(combined.PtInRegion(12, 2));
    CRect box;
    combined.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 15, 15));

    EXPECT_EQ(combined.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    combined.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));

    combined.SetRectRgn(CRect(1, 1, 2, 2));
    EXPECT_TRUE(combined.PtInRegion(1, 1));
    EXPECT_FALSE(combined.PtInRegion(2, 2));

    CRgn round;
    ASSERT_TRUE(round.CreateRoundRectRgn(0, 0, 40, 40, 20, 20));
    EXPECT_FALSE(round.PtInRegion(0, 0)); // the corner is cut off
    EXPECT_TRUE(round.PtInRegion(20, 20));
    EXPECT_TRUE(round.RectInRegion(CRect(10, 10, 20, 20)));
}

TEST(GdiObject, Palette)
{
    CPalette palette;
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    ASSERT_TRUE(palette.CreateHalftonePalette(&screen));
    EXPECT_GT(palette.GetEntryCount(), 0);
    ::ReleaseDC(nullptr, screen.Detach());
}

} // namespace

#ifdef ORBALIN_COUNT_GDI_OBJECTS
TEST(GdiObjectCount, FollowsWhatTheWrappersHold)
{
    const long before = GdiObjectCounter::Held();
    {
        CBrush brush(RGB(1, 2, 3));
        CDC memDC;
        ASSERT_TRUE(memDC.CreateCompatibleDC(nullptr));
        EXPECT_EQ(before + 2, GdiObjectCounter::Held());
        // Temporary wrappers hold nothing of their own.
        HBRUSH hLoose = ::CreateSolidBrush(RGB(4, 5, 6));
        CGdiObject::FromHandle(hLoose);
        CGdiObject::DeleteTempMap();
        ::DeleteObject(hLoose);
        EXPECT_EQ(before + 2, GdiObjectCounter::Held());
        // A handle taken out of its wrapper is no longer the wrapper's.
        CPen pen(PS_SOLID, 1, RGB(7, 8, 9));
        ::DeleteObject(pen.Detach());
        EXPECT_EQ(before + 2, GdiObjectCounter::Held());
    }
    EXPECT_EQ(before, GdiObjectCounter::Held());
}
#endif
