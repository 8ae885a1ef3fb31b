// Timings of the image manager: derived images of 100 icons at 16 and 32
// pixels, 1,000 alpha images of 32 pixels drawn, and 100 icon sets stored and
// loaded through the registry and through an archive.
#include <chrono>
#include <cstdio>

#include "AlphaBitmaps.h"
#include "CArchive.h"
#include "CMemFile.h"
#include "CXTPImageManager.h"
#include "CXTPPropExchangeArchive.h"
#include "CXTPPropExchangeRegistry.h"
#include "ImageTestHelpers.h"

namespace
{
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void Fill(CXTPImageManager& manager)
{
    for (UINT id = 1; id <= 100; ++id)
        for (int cx : {16, 32})
        {
            HICON hIcon = MakeIcon(cx, cx, [id](int x, int y) { return RGB((x * 8 + id) & 255, (y * 8) & 255, id & 255); });
            manager.StoreCommandImage(CXTPImageManagerIconHandle(hIcon), id, cx, cx);
            DestroyIcon(hIcon);
        }
}
} // namespace

int main()
{
    CXTPImageManager manager;
    auto start = Clock::now();
    Fill(manager);
    // Setting reads each image's size and bits once; what storing saves shows here.
    std::printf("200 icons made and set: %.1f ms\n", Seconds(start) * 1000);

    // Each look alone, on managers of their own.
    const char* kinds[] = {"faded", "shadow", "disabled"};
    for (int kind = 0; kind < 3; ++kind)
    {
        CXTPImageManager probe;
        Fill(probe);
        auto t = Clock::now();
        for (UINT id = 1; id <= 100; ++id)
            for (int cx : {16, 32})
            {
                CXTPImageManagerIcon* pIcon = probe.GetImage(id, cx);
                if (kind == 0) pIcon->GetFadedIcon();
                if (kind == 1) pIcon->GetShadowIcon();
                if (kind == 2) pIcon->GetDisabledIcon();
            }
        std::printf("  %s images alone: %.3f s\n", kinds[kind], Seconds(t));
    }
    start = Clock::now();
    for (UINT id = 1; id <= 100; ++id)
        for (int cx : {16, 32})
        {
            CXTPImageManagerIcon* pIcon = manager.GetImage(id, cx);
            pIcon->GetFadedIcon();
            pIcon->GetShadowIcon();
            pIcon->GetDisabledIcon();
        }
    std::printf("derived images, 100 icons at 16 and 32 px: %.3f s (goal 0.5 s)\n", Seconds(start));

    std::vector<BYTE> bits(32 * 32 * 4);
    for (size_t i = 0; i < bits.size(); i += 4)
    {
        bits[i] = static_cast<BYTE>(i);
        bits[i + 1] = 100;
        bits[i + 2] = 200;
        bits[i + 3] = static_cast<BYTE>(i / 4);
    }
    HBITMAP hAlpha = AlphaBitmaps::CreateAlphaDib(32, 32, bits.data());
    manager.StoreCommandImage(CXTPImageManagerIconHandle(hAlpha), 1000, 32, 32);
    DeleteObject(hAlpha);
    HDC hDC = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 320, 320, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pv = nullptr;
    HBITMAP hTarget = CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pv, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hDC, hTarget);
    CDC dc;
    dc.Attach(hDC);
    CXTPImageManagerIcon* pAlpha = manager.GetImage(1000, 32);
    pAlpha->Draw(&dc, CPoint(0, 0)); // the premultiplied copy is made once, on the first draw
    start = Clock::now();
    for (int i = 0; i < 1000; ++i)
        pAlpha->Draw(&dc, CPoint((i % 10) * 32, (i / 10 % 10) * 32));
    GdiFlush();
    std::printf("1,000 alpha images of 32 px drawn: %.1f ms (goal 50 ms)\n", Seconds(start) * 1000);
    dc.Detach();
    SelectObject(hDC, hOld);
    DeleteObject(hTarget);
    DeleteDC(hDC);

    HKEY hKey = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\OrbalinImagesBench", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                    nullptr);
    CXTPImageManager fromRegistry;
    start = Clock::now();
    {
        CXTPPropExchangeRegistry px(FALSE, hKey, L"Images");
        manager.DoPropExchange(&px);
    }
    {
        CXTPPropExchangeRegistry px(TRUE, hKey, L"Images");
        fromRegistry.DoPropExchange(&px);
    }
    std::printf("100 icon sets stored and loaded through the registry: %.3f s (goal 1 s), %zu sets back\n",
                Seconds(start), fromRegistry.GetIconSets().size());
    RegCloseKey(hKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\OrbalinImagesBench");

    CXTPImageManager fromArchive;
    start = Clock::now();
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        manager.Serialize(ar);
        ar.Close();
    }
    const double stored = Seconds(start);
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        fromArchive.Serialize(ar);
    }
    std::printf("100 icon sets stored and loaded through an archive: %.1f ms (goal 100 ms; storing %.1f ms), %zu sets back\n",
                Seconds(start) * 1000, stored * 1000, fromArchive.GetIconSets().size());
    return 0;
}
