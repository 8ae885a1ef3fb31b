#include "CImageList.h"
#include "MemoryCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr UINT kStripBitmap = 301; // the test program's bitmap resource

// A strip of two 16x16 images: red, then blue; each has a magenta 4x4 corner
// that the mask colour makes transparent.
void PaintStrip(MemoryCanvas& strip)
{
    strip.dc().FillSolidRect(0, 0, 16, 16, kRed);
    strip.dc().FillSolidRect(16, 0, 16, 16, kBlue);
    strip.dc().FillSolidRect(0, 0, 4, 4, kMagenta);
    strip.dc().FillSolidRect(16, 0, 4, 4, kMagenta);
}

TEST(ImageList, AddsMaskedImagesAndDrawsThemTransparently)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(images.GetImageCount(), 0);
    int cx = 0, cy = 0;
    images.GetIconSize(&cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);

    {
        MemoryCanvas strip(32, 16);
        PaintStrip(strip);
        // An image list cannot take a bitmap that is still selected into a DC.
        CBitmap copy;
        copy.Attach(::CopyImage(strip.bitmap().GetSafeHandle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        EXPECT_EQ(images.Add(&copy, kMagenta), 0);
    }
    EXPECT_EQ(images.GetImageCount(), 2);

    MemoryCanvas target(40, 20);
    EXPECT_TRUE(images.Draw(&target.dc(), 1, CPoint(20, 2), ILD_TRANSPARENT));
    EXPECT_EQ(target.At(30, 10), kBlue);
    EXPECT_EQ(target.At(21, 3), kWhite); // masked corner shows the background
    EXPECT_TRUE(images.Draw(&target.dc(), 0, CPoint(0, 2), ILD_NORMAL | ILD_TRANSPARENT));
    EXPECT_EQ(target.At(8, 10), kRed);
    EXPECT_FALSE(images.Draw(&target.dc(), 5, CPoint(0, 0), ILD_NORMAL)); // no such image

    HICON icon = images.ExtractIcon(1);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(images.Add(icon), 2);
    EXPECT_EQ(images.Replace(0, icon), 0);
    ::DestroyIcon(icon);
    EXPECT_EQ(images.GetImageCount(), 3);

    MemoryCanvas replaced(40, 20);
    images.Draw(&replaced.dc(), 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(replaced.At(8, 8), kBlue); // image 0 is now the blue one

    EXPECT_TRUE(images.Remove(0));
    EXPECT_EQ(images.GetImageCount(), 2);
    EXPECT_TRUE(images.Remove(-1));
    EXPECT_EQ(images.GetImageCount(), 0);
}

TEST(ImageList, CreatesFromABitmapResource)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(kStripBitmap));
    BITMAP info{};
    strip.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 32);
    EXPECT_EQ(info.bmHeight, 16);

    CImageList images;
    ASSERT_TRUE(images.Create(kStripBitmap, 16, 1, kMagenta));
    EXPECT_EQ(images.GetImageCount(), 2);
    MemoryCanvas target(40, 20);
    images.Draw(&target.dc(), 1, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ(target.At(10, 10), kBlue);
    EXPECT_EQ(target.At(1, 1), kWhite);
}

TEST(ImageList, AddsImageAndMaskBitmaps)
{
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1));
    CBitmap image;
    ASSERT_TRUE(image.CreateBitmap(8, 8, 1, 32, nullptr));
    WORD maskBits[8] = {0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F};
    CBitmap mask;
    ASSERT_TRUE(mask.CreateBitmap(8, 8, 1, 1, maskBits));
    EXPECT_EQ(images.Add(&image, &mask), 0);
    EXPECT_TRUE(images.Replace(0, &image, &mask));
    IMAGEINFO info{};
    EXPECT_TRUE(images.GetImageInfo(0, &info));
    EXPECT_NE(info.hbmMask, nullptr);

    EXPECT_EQ(images.SetBkColor(RGB(1, 2, 3)), CLR_NONE);
    EXPECT_EQ(images.GetBkColor(), RGB(1, 2, 3));
}

TEST(ImageList, HandleOwnership)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 1));
    HIMAGELIST handle = images.GetSafeHandle();
    EXPECT_EQ(CImageList::FromHandle(handle), &images);
    EXPECT_EQ(static_cast<HIMAGELIST>(images), handle);

    HIMAGELIST detached = images.Detach();
    EXPECT_EQ(images.GetSafeHandle(), nullptr);
    EXPECT_FALSE(images.DeleteImageList());

    CImageList* temporary = CImageList::FromHandle(detached);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->GetImageCount(), 0);
    CImageList::DeleteTempMap();

    CImageList owner;
    ASSERT_TRUE(owner.Attach(detached));
    EXPECT_TRUE(owner.DeleteImageList());
    EXPECT_EQ(owner.GetSafeHandle(), nullptr);

    CImageList* none = nullptr;
    EXPECT_EQ(none->GetSafeHandle(), nullptr);
    CImageList missing;
    EXPECT_FALSE(missing.Create(4711u, 16, 1, CLR_NONE)); // no such bitmap resource
}

} // namespace
