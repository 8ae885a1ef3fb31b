#include <gtest/gtest.h>

#include "CXTPImageManager.h"
#include "CXTPImageManagerIconSet.h"
#include "ImageResources.h"
#include "ImageTestHelpers.h"
#include "TestResourceIds.h"

namespace
{
// 64 x 16: four pieces of 16, piece k coloured (k * 60, 100, 200 - k * 40).
HBITMAP MakeStrip(int width)
{
    return MakeAlphaBitmap(width, 16, [](int x, int) {
        const int k = x / 16;
        return Bgra{static_cast<BYTE>(200 - 40 * k), 100, static_cast<BYTE>(60 * k), 255};
    });
}

// 24 bits: magenta background, a black dot in the middle of each 16 x 16 image.
HBITMAP MakePlainStrip()
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -16, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pv = nullptr;
    HBITMAP hStrip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pv, nullptr, 0);
    auto* bits = static_cast<BYTE*>(pv);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x)
        {
            BYTE* p = bits + y * 96 + x * 3;
            const bool dot = x % 16 == 8 && y == 8;
            p[0] = dot ? 0 : 255;
            p[1] = 0;
            p[2] = dot ? 0 : 255;
        }
    return hStrip;
}

int PieceOf(CXTPImageManager& manager, UINT id)
{
    CXTPImageManagerIcon* pIcon = manager.GetImage(id, 16);
    if (!pIcon || !pIcon->IsAlpha())
        return -1;
    return AlphaPixelOf(pIcon->GetIcon().GetBitmap(), 8, 8).r / 60;
}
} // namespace

TEST(ImageLoaders, AlphaStripPiecesGoToTheIdsThatTakeImages)
{
    HBITMAP hStrip = MakeStrip(64);
    {
        CXTPImageManager manager;
        const UINT ids[] = {10, 0, 11};
        ASSERT_TRUE(manager.SetIcons(hStrip, ids, 3, 16, 16, xtpImageNormal, TRUE));
        EXPECT_EQ(PieceOf(manager, 10), 0);
        EXPECT_EQ(PieceOf(manager, 11), 1) << "the separator takes no piece";
        EXPECT_EQ(manager.FindIconSet(0), nullptr);
    }
    {
        CXTPImageManager manager;
        const UINT ids[] = {10, 0, 11, 12};
        ASSERT_TRUE(manager.SetIcons(hStrip, ids, 4, 16, 16, xtpImageNormal, TRUE));
        EXPECT_EQ(PieceOf(manager, 0), 1) << "as many ids as pieces: 0 takes one too";
        EXPECT_EQ(PieceOf(manager, 12), 3);
    }
    DeleteObject(hStrip);

    HBITMAP hOdd = MakeStrip(50);
    CXTPImageManager manager;
    const UINT ids[] = {10, 11, 12};
    EXPECT_FALSE(manager.SetIcons(hOdd, ids, 3, 16, 16, xtpImageNormal, TRUE));
    EXPECT_TRUE(manager.GetIconSets().empty());
    EXPECT_FALSE(manager.SetIcons(hOdd, ids, 3, 0, 16, xtpImageNormal, TRUE));
    DeleteObject(hOdd);
}

TEST(ImageLoaders, PlainStripIsMaskedByItsTopLeftColourUnlessOneIsGiven)
{
    const UINT ids[] = {1, 2};
    for (COLORREF mask : {static_cast<COLORREF>(-1), RGB(0, 0, 0)})
    {
        // Masking blackens the masked pixels of the bitmap it is given: a fresh strip each time.
        HBITMAP hStrip = MakePlainStrip();
        CXTPImageManager manager;
        manager.SetMaskColor(mask);
        ASSERT_TRUE(manager.SetIcons(hStrip, ids, 2, 16, 16, xtpImageNormal, FALSE));
        DeleteObject(hStrip);
        CXTPImageManagerIcon* pIcon = manager.GetImage(2, 16);
        ASSERT_NE(pIcon, nullptr);
        ASSERT_FALSE(pIcon->IsAlpha());
        Canvas32 canvas(16, 16);
        canvas.dc().FillSolidRect(0, 0, 16, 16, RGB(0, 128, 0));
        pIcon->Draw(&canvas.dc(), CPoint(0, 0));
        if (mask == static_cast<COLORREF>(-1))
        {
            EXPECT_EQ(canvas.At(1, 1), RGB(0, 128, 0)) << "top-left colour is transparent";
            EXPECT_EQ(canvas.At(8, 8), RGB(0, 0, 0));
        }
        else
        {
            EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 255));
            EXPECT_EQ(canvas.At(8, 8), RGB(0, 128, 0)) << "the given colour is transparent";
        }
    }
}

TEST(ImageLoaders, ThirtyTwoBitIconResourcesNeedAlphaBlend)
{
    CXTPImageManager manager;
    ASSERT_TRUE(manager.HasAlphaBlend());
    ASSERT_TRUE(manager.SetIconsFromResource(IDI_TEST_ICON32, 1, 16, 16));
    ASSERT_TRUE(manager.GetImage(1, 16)->IsAlpha());
    EXPECT_EQ(AlphaPixelOf(manager.GetImage(1, 16)->GetIcon().GetBitmap(), 3, 3).r, 255);

    CXTPImageManager withoutAlphaBlend(L"no-such-library.dll");
    EXPECT_FALSE(withoutAlphaBlend.HasAlphaBlend());
    EXPECT_FALSE(withoutAlphaBlend.SetIconsFromResource(IDI_TEST_ICON32, 1, 16, 16));
    EXPECT_EQ(withoutAlphaBlend.FindIconSet(1), nullptr);
    ASSERT_TRUE(withoutAlphaBlend.SetIconsFromResource(IDI_TEST_ICON24, 2, 16, 16));
    CXTPImageManagerIcon* pIcon = withoutAlphaBlend.GetImage(2, 16);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_FALSE(pIcon->IsAlpha());
    Canvas32 canvas(16, 16);
    pIcon->Draw(&canvas.dc(), CPoint(0, 0));
    EXPECT_EQ(canvas.At(8, 8), RGB(0, 255, 0));
}

TEST(ImageLoaders, ToolBarAndBitmapResources)
{
    CXTPImageManager manager;
    ASSERT_TRUE(manager.AddToolBarIcons(IDR_TEST_TOOLBAR, IDB_TEST_ALPHA_STRIP));
    for (UINT id : {10u, 11u, 12u, 13u})
        EXPECT_EQ(PieceOf(manager, id), static_cast<int>(id - 10)) << id;
    EXPECT_EQ(manager.FindIconSet(0), nullptr);
    EXPECT_FALSE(manager.AddToolBarIcons(IDR_TEST_SHORT_TOOLBAR, IDB_TEST_ALPHA_STRIP));
    // No count and no size: nothing to cut the strip by.
    EXPECT_FALSE(manager.SetIconsFromBitmapResource(IDB_TEST_ALPHA_STRIP, nullptr, 0, 0, 0));
}

TEST(ImageLoaders, BitmapsWithLargerHeadersLoadTheirOwnPixels)
{
    // The top-left pixel is opaque (10, 20, 30); the others half-transparent (200, 100, 50).
    const auto check = [](HBITMAP hBitmap, const char* what) {
        ASSERT_NE(hBitmap, nullptr) << what;
        const Bgra corner = AlphaPixelOf(hBitmap, 0, 0), other = AlphaPixelOf(hBitmap, 1, 1);
        EXPECT_EQ(corner.r, 10) << what;
        EXPECT_EQ(corner.b, 30) << what;
        EXPECT_EQ(corner.a, 255) << what;
        EXPECT_EQ(other.r, 200) << what;
        EXPECT_EQ(other.a, 127) << what;
        DeleteObject(hBitmap);
    };
    check(ImageResources::LoadBitmapFile(FixturePath(L"v4.bmp").c_str()), "108-byte header");
    check(ImageResources::LoadBitmapFile(FixturePath(L"v5.bmp").c_str()), "124-byte header");
    check(ImageResources::LoadAlphaBitmapResource(IDB_TEST_V5), "124-byte header resource");
    EXPECT_TRUE(ImageResources::IsAlphaBitmapFile(FixturePath(L"v4.bmp").c_str()));
    EXPECT_TRUE(ImageResources::BitmapResourceHasAlpha(IDB_TEST_ALPHA_STRIP));

    HBITMAP hIcon = ImageResources::LoadIconFromFile(FixturePath(L"icon32.ico").c_str(), 16);
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ(AlphaPixelOf(hIcon, 0, 0).r, 255);
    DeleteObject(hIcon);
    EXPECT_EQ(ImageResources::LoadIconFromFile(FixturePath(L"icon24.ico").c_str(), 16), nullptr) << "no 32-bit image";
    EXPECT_EQ(ImageResources::LoadIconFromFile(FixturePath(L"missing.ico").c_str(), 16), nullptr);
}
