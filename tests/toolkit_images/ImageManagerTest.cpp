#include <gtest/gtest.h>

#include "CXTPImageManager.h"
#include "CXTPImageManagerIconSet.h"
#include "ImageTestHelpers.h"

namespace
{
// Stores an opaque icon of the size as the normal image of the command.
void StoreIcon(CXTPImageManager& manager, UINT id, int cx, int cy, COLORREF clr = RGB(255, 0, 0))
{
    HICON hIcon = MakeSolidIcon(cx, cy, clr);
    ASSERT_TRUE(manager.StoreCommandImage(CXTPImageManagerIconHandle(hIcon), id, cx, cy));
    DestroyIcon(hIcon);
}
} // namespace

TEST(ImageManager, NearestWidthTakesTheFirstOfATieAndScalesOnce)
{
    CXTPImageManager manager;
    StoreIcon(manager, 1, 16, 16);
    StoreIcon(manager, 1, 24, 24);
    StoreIcon(manager, 2, 16, 16);
    StoreIcon(manager, 2, 32, 32);

    CXTPImageManagerIcon* pTie = manager.GetImage(1, 20);
    ASSERT_NE(pTie, nullptr);
    EXPECT_TRUE(pTie->IsScaled());
    EXPECT_EQ(pTie->GetWidth(), 20);
    EXPECT_EQ(pTie->GetHeight(), 20) << "a copy of the 16 (met first), not of the 24";
    EXPECT_EQ(manager.GetImage(1, 20), pTie) << "built once";

    CXTPImageManagerIcon* pNear = manager.GetImage(2, 20);
    ASSERT_NE(pNear, nullptr);
    EXPECT_EQ(pNear->GetHeight(), 20);

    // Width 0: the nearest existing icon, not scaled.
    CXTPImageManagerIcon* pZero = manager.GetImage(2, 0);
    ASSERT_NE(pZero, nullptr);
    EXPECT_FALSE(pZero->IsScaled());
    EXPECT_EQ(pZero->GetWidth(), 16);
    EXPECT_EQ(manager.GetImage(99, 16), nullptr);
}

TEST(ImageManager, NewNormalImageDropsTheSetsScaledCopies)
{
    CXTPImageManager manager;
    StoreIcon(manager, 1, 16, 16);
    StoreIcon(manager, 1, 24, 24);
    ASSERT_TRUE(manager.GetImage(1, 20)->IsScaled());
    ASSERT_EQ(manager.FindIconSet(1)->GetIcons().size(), 3u);

    StoreIcon(manager, 1, 24, 24, RGB(0, 0, 255));
    EXPECT_EQ(manager.FindIconSet(1)->GetIcons().count(20), 0u);
    EXPECT_EQ(manager.FindIconSet(1)->GetIcons().size(), 2u);
}

TEST(ImageManager, StatesFallBackAndOtherStatesNeedANormalImage)
{
    CXTPImageManager manager;
    HICON hIcon = MakeSolidIcon(16, 16, RGB(0, 128, 0));
    const CXTPImageManagerIconHandle view(hIcon);
    EXPECT_FALSE(manager.StoreCommandImage(view, 5, 16, 16, xtpImageHot));
    EXPECT_EQ(manager.FindIconSet(5), nullptr);
    EXPECT_FALSE(manager.StoreCommandImage(CXTPImageManagerIconHandle(), 5, 16, 16));

    ASSERT_TRUE(manager.StoreCommandImage(view, 5, 0, 0));
    CXTPImageManagerIcon* pIcon = manager.GetImage(5, 16);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(pIcon->GetCheckedIcon().GetIcon(), pIcon->GetIcon().GetIcon());
    EXPECT_NE(pIcon->GetIcon().GetIcon(), hIcon) << "the manager keeps its own copy";
    EXPECT_FALSE(pIcon->HasDisabledIcon());
    EXPECT_FALSE(pIcon->GetDisabledIcon().IsEmpty()) << "generated on request";
    EXPECT_TRUE(pIcon->HasDisabledIcon());

    ASSERT_TRUE(manager.StoreCommandImage(view, 5, 16, 16, xtpImageHot));
    EXPECT_FALSE(pIcon->HasDisabledIcon()) << "a changed image drops the derived ones";
    EXPECT_EQ(pIcon->GetCheckedIcon().GetIcon(), pIcon->GetHotIcon().GetIcon());
    DestroyIcon(hIcon);

    EXPECT_EQ(manager.StoreCustomImage(view), CXTPImageManager::kFirstCustomBase + 1);
    EXPECT_EQ(manager.StoreCustomImage(view), CXTPImageManager::kFirstCustomBase + 2);
}

TEST(ImageManager, DrawsAtTheAskedWidthKeepingProportions)
{
    CXTPImageManager manager;
    StoreIcon(manager, 1, 16, 15, RGB(200, 0, 0));
    Canvas32 canvas(40, 40);
    CXTPImageManagerIcon* pIcon = manager.GetImage(1, 16);
    pIcon->Draw(&canvas.dc(), CPoint(0, 0), pIcon->GetIcon(), 20, 0);
    EXPECT_EQ(canvas.PaintedExtent(40, 40), CSize(20, 18));
}

TEST(ImageManager, IconOfNoWidthDrawsNothing)
{
    CXTPImageManagerIcon icon(1, 0, 15);
    HICON hIcon = MakeSolidIcon(16, 16, RGB(0, 0, 0));
    CXTPImageManagerIconHandle view(hIcon);
    Canvas32 canvas(20, 20);
    icon.Draw(&canvas.dc(), CPoint(0, 0), view, 0, 0);
    EXPECT_EQ(canvas.PaintedExtent(20, 20), CSize(0, 0));
    DestroyIcon(hIcon);
}

TEST(ImageManager, RightToLeftMirrorsIconsOnly)
{
    CXTPImageManager manager;
    manager.SetRightToLeft(TRUE);
    HICON hIcon = MakeIcon(16, 16, [](int x, int) { return x < 8 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
    ASSERT_TRUE(manager.StoreCommandImage(CXTPImageManagerIconHandle(hIcon), 1, 16, 16));
    DestroyIcon(hIcon);
    HBITMAP hAlpha = MakeAlphaBitmap(16, 16, [](int x, int) { return x < 8 ? Bgra{0, 0, 255, 255} : Bgra{255, 0, 0, 255}; });
    ASSERT_TRUE(manager.StoreCommandImage(CXTPImageManagerIconHandle(hAlpha), 2, 16, 16));
    DeleteObject(hAlpha);

    Canvas32 canvas(40, 20);
    for (UINT id : {1u, 2u})
    {
        CXTPImageManagerIcon* pIcon = manager.GetImage(id, 16);
        pIcon->Draw(&canvas.dc(), CPoint(id == 1 ? 0 : 20, 0), pIcon->GetIcon(), 16, 16);
    }
    EXPECT_EQ(canvas.At(2, 8), RGB(0, 0, 255)) << "icon mirrored";
    EXPECT_EQ(canvas.At(14, 8), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(22, 8), RGB(255, 0, 0)) << "alpha bitmap as it is";
    EXPECT_EQ(canvas.At(34, 8), RGB(0, 0, 255));
}

TEST(ImageManager, ImageListsStandForARangeOfCommands)
{
    CXTPImageManager manager;
    HIMAGELIST hList = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 1);
    for (COLORREF clr : {RGB(255, 0, 0), RGB(0, 255, 0)})
    {
        HICON hIcon = MakeSolidIcon(16, 16, clr);
        ImageList_ReplaceIcon(hList, -1, hIcon);
        DestroyIcon(hIcon);
    }
    manager.AddImageList(hList, 100, TRUE);
    EXPECT_EQ(manager.GetImage(99), nullptr);
    EXPECT_EQ(manager.GetImage(102), nullptr);
    CXTPImageManagerIcon* pIcon = manager.GetImage(101);
    ASSERT_NE(pIcon, nullptr);
    Canvas32 canvas(16, 16);
    pIcon->Draw(&canvas.dc(), CPoint(0, 0));
    EXPECT_EQ(canvas.At(8, 8), RGB(0, 255, 0));
}
