#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "ButtonTestHost.h"
#include "CXTButtonThemeFactory.h"
#include "TestPaths.h"
#include "ThemedRun.h"
#include "ToolkitLookData.h"
#include "WindowCapture.h"

namespace {

// One row of buttons per theme, one column per state.
constexpr int kColumns = 6;
constexpr int kWidth = 100, kHeight = 30, kGap = 8, kLabel = 70;
const wchar_t* const kCaptions[kColumns] = {L"Normal", L"&Hot", L"Pressed", L"Checked", L"Disabled", L"Focused"};

CRect CellOf(int nTheme, int nColumn)
{
    const int x = kLabel + kGap + nColumn * (kWidth + kGap);
    const int y = kGap + nTheme * (kHeight + kGap);
    return CRect(x, y, x + kWidth, y + kHeight);
}

} // namespace

TEST(ButtonScreenshot, TheThreeThemesInTheirStates)
{
    const int width = kLabel + kGap + kColumns * (kWidth + kGap);
    const int height = kGap + 3 * (kHeight + kGap);
    // A dialog-like host on the button face.
    CWnd dialog;
    ASSERT_TRUE(dialog.CreateEx(0, AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)), L"buttons",
                                WS_POPUP | WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0));
    std::array<std::unique_ptr<ProbeButton>, 3 * kColumns> buttons;
    std::array<CStatic, 3> labels;
    for (int nTheme = 0; nTheme < 3; ++nTheme) {
        const wchar_t* names[] = {L"Theme 0", L"Theme 1", L"Theme 2"};
        CRect rcLabel = CellOf(nTheme, 0);
        rcLabel.left = kGap;
        rcLabel.right = kLabel;
        labels[nTheme].Create(names[nTheme], WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, rcLabel, &dialog);
        labels[nTheme].SetFont(&ToolkitLookData().fontNormal);
        for (int nColumn = 0; nColumn < kColumns; ++nColumn) {
            auto& pButton = buttons[nTheme * kColumns + nColumn];
            pButton = std::make_unique<ProbeButton>();
            ASSERT_TRUE(pButton->Create(kCaptions[nColumn], WS_CHILD | WS_VISIBLE | BS_CENTER, CellOf(nTheme, nColumn),
                                        &dialog, 100 + nTheme * kColumns + nColumn));
            pButton->SetFont(&ToolkitLookData().fontNormal);
            pButton->SetLookFlags(nColumn % 2 ? DWORD(BS_XT_SHOWFOCUS | BS_XT_FLAT) : DWORD(BS_XT_SHOWFOCUS), FALSE);
            pButton->InstallTheme(CXTButtonThemeFactory().MakeThemeObject(nTheme));
            pButton->SetIcon(CSize(16, 16), 169 + nColumn % 4, 0, FALSE);
            switch (nColumn) {
            case 1: pButton->SetHot(TRUE); break;
            case 2: pButton->SetState(TRUE); break;
            case 3: pButton->SetPushed(TRUE); break;
            case 4: pButton->EnableWindow(FALSE); break;
            case 5: pButton->SendMessage(WM_SETFOCUS); break;   // the button's own focus state, for each row
            default: break;
            }
        }
    }
    ASSERT_TRUE(testsupport::WindowCapture::WaitUntilShown(dialog.GetSafeHwnd()));
    auto shot = testsupport::WindowCapture::FromWindow(dialog.GetSafeHwnd(), true);
    shot.SavePng(testsupport::TestOutputPath(std::wstring(L"toolkit_buttons_") + RunName() + L".png"));

    // Each button shows its caption; the hot and checked highlight buttons their fills.
    for (int nTheme = 0; nTheme < 3; ++nTheme)
        for (int nColumn = 0; nColumn < kColumns; ++nColumn) {
            const CRect cell = CellOf(nTheme, nColumn);
            // Against the face in the same column (gradients run from left to right).
            int ink = 0;
            for (int y = cell.top + 8; y < cell.bottom - 8; ++y)
                for (int x = cell.left + 24; x < cell.right - 4; ++x)
                    ink += !testsupport::WindowCapture::ColorsClose(shot.At(x, y), shot.At(x, cell.top + 4), 40);
            EXPECT_GT(ink, 10) << "theme " << nTheme << " column " << nColumn;
        }
    const CRect hot = CellOf(1, 1), checked = CellOf(1, 3);
    EXPECT_TRUE(testsupport::WindowCapture::ColorsClose(ColorOf(31), shot.At(hot.left + 3, hot.top + 3), 4));
    EXPECT_TRUE(testsupport::WindowCapture::ColorsClose(ColorOf(36), shot.At(checked.left + 3, checked.top + 3), 4));
    dialog.DestroyWindow();
}
