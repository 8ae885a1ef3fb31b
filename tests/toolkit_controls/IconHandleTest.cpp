#include <gtest/gtest.h>

#include "CXTIconHandle.h"

namespace {

bool IsIcon(HICON hIcon)
{
    ICONINFO info{};
    if (!::GetIconInfo(hIcon, &info))
        return false;
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return true;
}

} // namespace

TEST(IconHandle, OwnsOneIconAtATime)
{
    HICON hFirst = ::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION));
    HICON hSecond = ::CopyIcon(::LoadIconW(nullptr, IDI_INFORMATION));
    ASSERT_TRUE(IsIcon(hFirst));
    {
        CXTIconHandle holder;
        EXPECT_EQ(nullptr, holder.GetIcon());
        holder.SetIcon(hFirst);
        holder.SetIcon(hFirst); // the same icon again stays
        EXPECT_TRUE(IsIcon(hFirst));
        holder.SetIcon(hSecond);
        EXPECT_EQ(hSecond, static_cast<HICON>(holder));
        EXPECT_FALSE(IsIcon(hFirst));
        EXPECT_TRUE(IsIcon(hSecond));
    }
    EXPECT_FALSE(IsIcon(hSecond));
}
