#include <gtest/gtest.h>

#include "ShellImageList.h"

TEST(ShellImageListTest, SameListEveryTimeAndIndexByExtension)
{
    ShellImageList images;
    HIMAGELIST small = images.GetSystemImageList(true);
    ASSERT_NE(nullptr, small);
    EXPECT_EQ(small, images.GetSystemImageList(true));
    EXPECT_NE(nullptr, images.GetSystemImageList(false));
    // A name that does not exist still gets the index of its extension.
    const int missing = images.GetIconIndex(L"Z:\\no\\such\\folder\\mail.nsf", true);
    EXPECT_GE(missing, 0);
    EXPECT_EQ(missing, images.GetIconIndex(L"C:\\other\\calendar.nsf", true));
}
