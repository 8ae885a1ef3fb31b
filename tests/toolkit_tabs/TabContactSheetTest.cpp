// A contact sheet of the ten appearance styles with their default colour
// sets, at the top and the bottom positions, saved as a PNG for a person to
// look at (once per visual style of the run). Two more columns show the
// visual-style colour set on the styles that accept it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PngWriter.h"
#include "TabManagerHost.h"
#include "TestPaths.h"
#include "ThemedRun.h"

TEST(TabContactSheet, TenStylesAtTheTopAndTheBottomAreSaved)
{
    constexpr int kCellWidth = 320;
    constexpr int kCellHeight = 90;
    constexpr int kGap = 8;
    constexpr int kThemedType = 8;
    MemoryCanvas sheet(4 * (kCellWidth + kGap) + kGap, 10 * (kCellHeight + kGap) + kGap);
    sheet.dc().FillSolidRect(0, 0, sheet.Width(), sheet.Height(), RGB(128, 128, 128));
    for (int nStyle = 0; nStyle < 10; ++nStyle) {
        for (int nColumn = 0; nColumn < 4; ++nColumn) {
            TabManagerHost host(kCellWidth, kCellHeight);
            CXTPTabPaintManager* pPaint = host.GetPaintManager();
            pPaint->SetAppearance(nStyle);
            if (nColumn >= 2) {
                if (!(pPaint->GetAppearanceSet()->GetColorSetMask() & kThemedType))
                    continue;
                pPaint->SelectColorSetType(kThemedType);
            }
            pPaint->SetPositionOption(nColumn % 2 == 0 ? 0 : 2);
            for (const wchar_t* pszCaption : {L"Folders", L"Calendar", L"Preview", L"Options"})
                host.InsertItem(host.CountItems())->SetCaption(pszCaption);
            host.SetCurSel(1);
            host.PerformMouseMove(nullptr, host.ItemAtIndex(2)->GetRect().CenterPoint());
            host.Reposition();
            host.Paint();
            const MemoryCanvas& cell = host.Canvas();
            EXPECT_LT(cell.Count(host.Bounds(), RGB(255, 255, 255)), kCellWidth * kCellHeight * 9 / 10)
                << "style " << nStyle << " is painted";
            ::BitBlt(sheet.dc(), kGap + nColumn * (kCellWidth + kGap), kGap + nStyle * (kCellHeight + kGap),
                     kCellWidth, kCellHeight, host.Canvas().dc(), 0, 0, SRCCOPY);
        }
    }
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < sheet.Height(); ++y)
        for (int x = 0; x < sheet.Width(); ++x) {
            const COLORREF clr = sheet.At(x, y);
            rgb.insert(rgb.end(), {GetRValue(clr), GetGValue(clr), GetBValue(clr)});
        }
    const std::wstring path = testsupport::TestOutputPath(std::wstring(L"tab-styles-") + RunName() + L".png");
    EXPECT_TRUE(testsupport::PngWriter::Save(path, sheet.Width(), sheet.Height(), rgb));
}
