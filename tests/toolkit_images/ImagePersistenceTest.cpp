#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "AlphaBitmaps.h"
#include "CArchive.h"
#include "CArchiveException.h"
#include "CMemFile.h"
#include "COleDataObject.h"
#include "CXTPImageManager.h"
#include "CXTPImageManagerIconSet.h"
#include "CXTPPropExchangeArchive.h"
#include "CXTPPropExchangeRegistry.h"
#include "ImageRecords.h"
#include "ImageTestHelpers.h"
#include "PropExchangeHelpers.h"
#include "RegistryScratch.h"

namespace
{
void StoreIcon(CXTPImageManager& manager, UINT id, int cx, COLORREF clr)
{
    HICON hIcon = MakeSolidIcon(cx, cx, clr);
    manager.StoreCommandImage(CXTPImageManagerIconHandle(hIcon), id, cx, cx);
    DestroyIcon(hIcon);
}

void StoreAlpha(CXTPImageManager& manager, UINT id, int cx)
{
    HBITMAP hBitmap = MakeAlphaBitmap(cx, cx, [](int x, int) { return Bgra{10, 20, 30, static_cast<BYTE>(x * 10)}; });
    manager.StoreCommandImage(CXTPImageManagerIconHandle(hBitmap), id, cx, cx);
    DeleteObject(hBitmap);
}

COLORREF DrawnColour(CXTPImageManager& manager, UINT id, int cx)
{
    Canvas32 canvas(cx, cx);
    CXTPImageManagerIcon* pIcon = manager.GetImage(id, cx);
    if (!pIcon)
        return CLR_INVALID;
    pIcon->Draw(&canvas.dc(), CPoint(0, 0));
    return canvas.At(cx / 2, cx / 2);
}

testsupport::RegistryScratch PersistenceScratch()
{
    return testsupport::RegistryScratch(L"Software\\OrbalinImagesTest\\Persistence");
}

// The manager's sets, stored and loaded through the registry or an archive.
void RoundTrip(CXTPImageManager& from, CXTPImageManager& to, bool registry)
{
    if (registry)
    {
        auto scratch = PersistenceScratch();
        {
            CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"Images");
            from.DoPropExchange(&px);
        }
        CXTPPropExchangeRegistry px(TRUE, scratch.Key(), L"Images");
        to.DoPropExchange(&px);
        return;
    }
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        from.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    to.Serialize(ar);
}

std::vector<BYTE> BytesOf(CMemFile& file)
{
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

template <typename Fn> std::vector<BYTE> Stored(Fn store)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
    }
    return BytesOf(file);
}

// A 32-bit record of 8 x 8 pixels, all of one value.
IconBits::Record Record8(DWORD pixel)
{
    IconBits::Record record;
    record.header.assign(AlphaBitmaps::kHeaderBytes, 0);
    BITMAPINFOHEADER bi{sizeof(BITMAPINFOHEADER), 8, 8, 1, 32, BI_RGB, 8 * 8 * 4, 0, 0, 0, 0};
    memcpy(record.header.data(), &bi, sizeof(bi));
    for (int i = 0; i < 64; ++i)
        for (int b = 0; b < 4; ++b)
            record.bits.push_back(static_cast<BYTE>(pixel >> (8 * b)));
    return record;
}

// An icon whose left half is transparent.
HICON MakeHalfMaskedIcon(int cx)
{
    HICON hOpaque = MakeIcon(cx, cx, [](int x, int y) { return RGB(x * 9, y * 9, 77); });
    ICONINFO info{};
    GetIconInfo(hOpaque, &info);
    DestroyIcon(hOpaque);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, info.hbmMask);
    PatBlt(hDC, 0, 0, cx / 2, cx, WHITENESS);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    HICON hIcon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return hIcon;
}
} // namespace

TEST(ImagePersistence, StoredBytesDoNotDependOnWhenTheIconIsMade)
{
    // Own icons reload without making an icon; foreign records (grey mask,
    // alpha in the colour) are made at once. Either way storing the loaded
    // image writes what reading its icon gives.
    struct Case
    {
        const char* name;
        IconBits::Record colour, mask;
    };
    HICON hMasked = MakeHalfMaskedIcon(24);
    const auto captured = IconBits::Capture(hMasked);
    DestroyIcon(hMasked);
    ASSERT_TRUE(captured);
    const Case cases[] = {
        {"captured", captured->Colour(), captured->Mask()},
        {"grey mask", Record8(0x00102030), Record8(0x00808080)},
        {"alpha in colour", Record8(0x80102030), Record8(0)},
    };
    for (const Case& c : cases)
    {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ImageRecords::StoreRecord(ar, c.colour);
            ImageRecords::StoreRecord(ar, c.mask);
            ar.Close();
        }
        file.SeekToBegin();
        CXTPImageManagerIconHandle loaded;
        {
            CArchive ar(&file, CArchive::load);
            ImageRecords::ArchiveImageHandle(loaded, ar);
        }
        const auto lazy = Stored([&](CArchive& ar) { ImageRecords::ArchiveImageHandle(loaded, ar); });
        ASSERT_NE(loaded.GetIcon(), nullptr) << c.name;
        CXTPImageManagerIconHandle view(loaded.GetIcon());
        const auto made = Stored([&](CArchive& ar) { ImageRecords::ArchiveImageHandle(view, ar); });
        EXPECT_EQ(lazy, made) << c.name;
        if (&c == &cases[0])
        {
            EXPECT_EQ(lazy, BytesOf(file)) << "own records come back unchanged";
        }
    }

    // A whole manager: stored, reloaded and stored again gives the same bytes,
    // and the reloaded icons draw and derive their looks.
    CXTPImageManager from, to;
    StoreIcon(from, 1, 16, RGB(255, 0, 0));
    HICON hIcon = MakeHalfMaskedIcon(32);
    from.StoreCommandImage(CXTPImageManagerIconHandle(hIcon), 1, 32, 32);
    DestroyIcon(hIcon);
    StoreAlpha(from, 2, 16);
    const auto first = Stored([&](CArchive& ar) { from.Serialize(ar); });
    CMemFile file(const_cast<BYTE*>(first.data()), static_cast<UINT>(first.size()));
    {
        CArchive ar(&file, CArchive::load);
        to.Serialize(ar);
    }
    EXPECT_EQ(Stored([&](CArchive& ar) { to.Serialize(ar); }), first);
    EXPECT_EQ(to.GetImage(1, 32)->NormalExtent(), CSize(32, 32));
    EXPECT_EQ(DrawnColour(to, 1, 16), RGB(255, 0, 0));
    EXPECT_FALSE(to.GetImage(1, 32)->GetDisabledIcon().IsEmpty());
    EXPECT_EQ(Stored([&](CArchive& ar) { to.Serialize(ar); }), first) << "after the icons were made";
}

TEST(ImagePersistence, SetsComeBackWithoutScaledCopiesAlphaAndIconsAlike)
{
    for (bool registry : {true, false})
    {
        CXTPImageManager from, to;
        StoreIcon(from, 1, 16, RGB(255, 0, 0));
        StoreIcon(from, 1, 24, RGB(0, 0, 255));
        ASSERT_TRUE(from.GetImage(1, 20)->IsScaled());
        StoreAlpha(from, 70000, 16);
        RoundTrip(from, to, registry);

        const auto& icons = to.FindIconSet(1)->GetIcons();
        ASSERT_EQ(icons.size(), 2u) << registry;
        EXPECT_EQ(icons.count(20), 0u);
        EXPECT_FALSE(to.GetImage(1, 16)->IsAlpha());
        EXPECT_EQ(DrawnColour(to, 1, 16), RGB(255, 0, 0));
        EXPECT_EQ(DrawnColour(to, 1, 24), RGB(0, 0, 255));

        CXTPImageManagerIcon* pAlpha = to.GetImage(70000, 16);
        ASSERT_NE(pAlpha, nullptr);
        ASSERT_TRUE(pAlpha->IsAlpha());
        const Bgra p = AlphaPixelOf(pAlpha->GetIcon().GetBitmap(), 5, 3);
        EXPECT_EQ(p.r, 30);
        EXPECT_EQ(p.a, 50);
        EXPECT_GE(to.GetNextCustomID(), 70000u) << "later custom ids stay above stored ones";
    }
}

TEST(ImagePersistence, RecordOfVersion7HasNoCheckedImage)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CString(L"CXTPImageManagerIcons") << 1 << 16 << static_cast<LONG>(16) << static_cast<LONG>(7);
        HBITMAP hBitmap = MakeAlphaBitmap(16, 16, [](int, int) { return Bgra{0, 0, 255, 255}; });
        HICON hHot = MakeSolidIcon(16, 16, RGB(0, 255, 0));
        CXTPImageManagerIconHandle normal(hBitmap), disabled, hot(hHot);
        for (auto* h : {&normal, &disabled, &hot})
            ImageRecords::ArchiveImageHandle(*h, ar);
        ar << 12345;
        ar.Close();
        DeleteObject(hBitmap);
        DestroyIcon(hHot);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CXTPImageManager manager;
    manager.ArchiveIconSet(5, ar);
    int after = 0;
    ar >> after;
    EXPECT_EQ(after, 12345) << "three images read, no fourth";
    CXTPImageManagerIcon* pIcon = manager.GetImage(5, 16);
    ASSERT_NE(pIcon, nullptr);
    EXPECT_TRUE(pIcon->IsAlpha());
    EXPECT_NE(pIcon->GetHotIcon().GetIcon(), nullptr);
    EXPECT_EQ(pIcon->GetCheckedIcon().GetIcon(), pIcon->GetHotIcon().GetIcon()) << "no checked image of its own";
}

TEST(ImagePersistence, WrongCheckSumThrowsBeforeAnythingChanges)
{
    auto scratch = PersistenceScratch();
    CXTPImageManager manager;
    StoreIcon(manager, 7, 16, RGB(255, 0, 0));
    {
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"Set");
        CString other(L"SomethingElse");
        PX_String(&px, L"CheckSum", other, L"");
    }
    CXTPPropExchangeRegistry px(TRUE, scratch.Key(), L"Set");
    bool thrown = false;
    try
    {
        manager.ExchangeIconSet(7, &px);
    }
    catch (CArchiveException* e)
    {
        thrown = e->m_cause == CArchiveException::badClass;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(DrawnColour(manager, 7, 16), RGB(255, 0, 0));
}

TEST(ImagePersistence, DamagedSetsAreSkippedAndTheRestKept)
{
    auto scratch = PersistenceScratch();
    {
        CXTPImageManager from;
        StoreIcon(from, 1, 16, RGB(255, 0, 0));
        StoreIcon(from, 2, 16, RGB(0, 255, 0));
        StoreIcon(from, 3, 16, RGB(0, 0, 255));
        CXTPPropExchangeRegistry px(FALSE, scratch.Key(), L"Images");
        from.DoPropExchange(&px);
    }
    // Set 2's check sum is spoiled; set 3's image record claims more pixels than it has.
    HKEY hSet = nullptr;
    RegOpenKeyExW(scratch.Key(), L"Images\\IconSet1", 0, KEY_ALL_ACCESS, &hSet);
    RegSetValueExW(hSet, L"CheckSum", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"X"), 4);
    RegCloseKey(hSet);
    HKEY hIcon = nullptr;
    RegOpenKeyExW(scratch.Key(), L"Images\\IconSet2\\Icon0", 0, KEY_ALL_ACCESS, &hIcon);
    DWORD size = 0;
    RegQueryValueExW(hIcon, L"Data", nullptr, nullptr, nullptr, &size);
    std::vector<BYTE> data(size);
    RegQueryValueExW(hIcon, L"Data", nullptr, nullptr, data.data(), &size);
    data.resize(data.size() - 10);
    RegSetValueExW(hIcon, L"Data", 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(hIcon);

    CXTPImageManager manager;
    StoreIcon(manager, 2, 16, RGB(1, 1, 1));
    StoreIcon(manager, 500, 16, RGB(2, 2, 2)); // as if loaded from resources
    CXTPPropExchangeRegistry px(TRUE, scratch.Key(), L"Images");
    manager.DoPropExchange(&px);
    EXPECT_EQ(DrawnColour(manager, 1, 16), RGB(255, 0, 0));
    EXPECT_EQ(DrawnColour(manager, 2, 16), RGB(1, 1, 1)) << "damaged set skipped";
    EXPECT_EQ(manager.GetImage(3, 16), nullptr) << "a record cut short gives no image";
    EXPECT_EQ(DrawnColour(manager, 500, 16), RGB(2, 2, 2));
}

TEST(ImagePersistence, PastesTakeNewIdsInSequence)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    {
        CXTPImageManager manager;
        StoreIcon(manager, 1, 16, RGB(255, 0, 0));
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        EXPECT_TRUE(manager.CopyIconToMemory(1));
        CloseClipboard();

        COleDataObject data;
        ASSERT_TRUE(data.AttachClipboard());
        const UINT first = manager.PasteIconFromClipboard(&data);
        const UINT second = manager.PasteIconFromClipboard(&data);
        EXPECT_EQ(first, CXTPImageManager::kFirstCustomBase + 1);
        EXPECT_EQ(second, first + 1);
        EXPECT_EQ(DrawnColour(manager, second, 16), RGB(255, 0, 0));

        // Stored ids above the custom ones push later ones past them.
        StoreIcon(manager, 70000, 16, RGB(0, 0, 255));
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            manager.ArchiveIconSet(70000, ar);
            ar.Close();
        }
        CXTPImageManager other;
        file.SeekToBegin();
        {
            CArchive ar(&file, CArchive::load);
            other.ArchiveIconSet(70000, ar);
        }
        EXPECT_GT(other.PasteIconFromClipboard(&data), 70000u);

        // A foreign clipboard format gives 0.
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL hJunk = GlobalAlloc(GMEM_MOVEABLE, 8);
        memset(GlobalLock(hJunk), 0x5A, 8);
        GlobalUnlock(hJunk);
        SetClipboardData(XTPImageClipboardFormats::IconSet(), hJunk);
        CloseClipboard();
        COleDataObject junk;
        ASSERT_TRUE(junk.AttachClipboard());
        EXPECT_EQ(manager.PasteIconFromClipboard(&junk), 0u);
    }
    OleUninitialize();
}
