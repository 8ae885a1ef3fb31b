#include <gtest/gtest.h>

#include "CXTPImageManager.h"
#include "CXTPColorManager.h"
#include "DerivedImages.h"
#include "ImageTestHelpers.h"

namespace
{
// Blue-green-red-alpha of the first pixel of a derived alpha image.
Bgra Derived(Bgra source, const std::function<void(CXTPImageManagerIconHandle&, CXTPImageManagerIconHandle&)>& make)
{
    HBITMAP hBitmap = MakeAlphaBitmap(2, 2, [&](int, int) { return source; });
    CXTPImageManagerIconHandle view(hBitmap), result;
    make(view, result);
    DeleteObject(hBitmap);
    return result.IsAlpha() ? AlphaPixelOf(result.GetBitmap(), 0, 0) : Bgra{1, 2, 3, 4};
}
} // namespace

TEST(DerivedImages, AlphaImagesKeepAlphaAndTakeThePartsColours)
{
    const auto faded = Derived({0, 100, 255, 128}, [](auto& s, auto& r) { DerivedImages::MakeFaded(s, r); });
    EXPECT_EQ(faded.b, 76);
    EXPECT_EQ(faded.g, 146);
    EXPECT_EQ(faded.r, 255);
    EXPECT_EQ(faded.a, 128);

    const auto grey = Derived({64, 64, 64, 200}, [](auto& s, auto& r) { DerivedImages::MakeDisabled(s, -1, -1, r); });
    EXPECT_EQ(grey.r, 127);
    EXPECT_EQ(grey.b, 127);
    EXPECT_EQ(grey.a, 200);
    const auto greyBlack = Derived({0, 0, 0, 255}, [](auto& s, auto& r) { DerivedImages::MakeDisabled(s, -1, -1, r); });
    EXPECT_EQ(greyBlack.g, 0);

    const auto dark = Derived({0, 0, 0, 255}, [](auto& s, auto& r) {
        DerivedImages::MakeDisabled(s, RGB(250, 240, 230), RGB(10, 20, 30), r);
    });
    EXPECT_EQ(dark.r, 10);
    EXPECT_EQ(dark.g, 20);
    EXPECT_EQ(dark.b, 30);

    const auto shadow = Derived({5, 6, 7, 90}, [](auto& s, auto& r) { DerivedImages::MakeShadow(s, RGB(40, 50, 60), r); });
    EXPECT_EQ(shadow.r, 40);
    EXPECT_EQ(shadow.b, 60);
    EXPECT_EQ(shadow.a, 90);
    const COLORREF base = GetColorManager()->GetColor(31);
    EXPECT_EQ(DerivedImages::ShadowColor(), RGB(GetRValue(base) * 3 / 4, GetGValue(base) * 3 / 4, GetBValue(base) * 3 / 4));
}

TEST(DerivedImages, IconsChangeOnlyTheirOpaquePixels)
{
    HICON hIcon = MakeSolidIcon(4, 4, RGB(64, 64, 64));
    CXTPImageManagerIconHandle view(hIcon), faded, grey;
    DerivedImages::MakeFaded(view, faded);
    DerivedImages::MakeDisabled(view, -1, -1, grey);
    DestroyIcon(hIcon);
    for (auto* h : {&faded, &grey})
        ASSERT_NE(h->GetIcon(), nullptr);
    Canvas32 canvas(8, 4);
    DrawIconEx(canvas.dc(), 0, 0, faded.GetIcon(), 4, 4, 0, nullptr, DI_NORMAL);
    DrawIconEx(canvas.dc(), 4, 0, grey.GetIcon(), 4, 4, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(canvas.At(1, 1), RGB(121, 121, 121)) << "64 x 0.7 + 76.5";
    EXPECT_EQ(canvas.At(5, 1), RGB(127, 127, 127));
}

TEST(DerivedImages, AlphaDrawingBlendsThePremultipliedCopy)
{
    CXTPImageManager manager;
    HBITMAP hBitmap = MakeAlphaBitmap(4, 4, [](int x, int) {
        return x < 2 ? Bgra{0, 0, 255, 255} : Bgra{0, 0, 255, 128};
    });
    ASSERT_TRUE(manager.StoreCommandImage(CXTPImageManagerIconHandle(hBitmap), 1, 4, 4));
    DeleteObject(hBitmap);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 4);
    Canvas32 canvas(8, 8);
    canvas.dc().FillSolidRect(0, 0, 8, 8, RGB(0, 0, 0));
    pIcon->Draw(&canvas.dc(), CPoint(0, 0), pIcon->GetIcon(), 8, 8);
    EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 0));
    // 255 x 128 / 255 over black.
    EXPECT_NEAR(GetRValue(canvas.At(6, 6)), 128, 1);
    EXPECT_NE(pIcon->GetIcon().GetPremultipliedBitmap(), nullptr) << "kept for the next draw";
}
