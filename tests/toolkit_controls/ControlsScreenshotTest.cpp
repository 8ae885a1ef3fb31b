#include <gtest/gtest.h>

#include "CXTCaption.h"
#include "CXTCaptionButtonThemeFactory.h"
#include "CXTCaptionPopupWnd.h"
#include "CXTCaptionThemeFactory.h"
#include "CXTFlatComboBox.h"
#include "CXTFlatComboBoxThemeFactory.h"
#include "CXTFlatEdit.h"
#include "CXTFlatEditThemeFactory.h"
#include "CXTHyperLink.h"
#include "ControlHostWindow.h"
#include "TestPaths.h"
#include "WindowCapture.h"

// Captions in the three themes (one with an open popup), links and flat
// controls in one window, saved as controls.png for a person to look at.
TEST(ControlsScreenshot, CaptionsLinksAndFlatControlsInTheirThemes)
{
    ControlHostWindow host(CRect(20, 20, 620, 380), ::GetSysColor(COLOR_BTNFACE));
    CXTCaption captions[3];
    CXTFlatComboBox combos[3];
    CXTFlatEdit edits[3];
    CWnd pane;
    CWnd list;
    ASSERT_TRUE(pane.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(10, 250, 190, 350), &host, 50));
    ASSERT_TRUE(list.CreateEx(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT,
                              CRect(0, 0, 180, 100), &pane, 51));
    for (const wchar_t* item : {L"Calendar", L"Contacts", L"Inbox"})
        list.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (int nTheme = 0; nTheme < 3; ++nTheme) {
        const int y = 10 + nTheme * 40;
        const DWORD dwStyle = nTheme == 0 ? CXTCaption::CaptionEtched | CXTCaption::CaptionCloseButton
                                          : nTheme == 1 ? CXTCaption::CaptionCloseButton : 0;
        CString text;
        text.Format(L"Caption theme %d", nTheme);
        ASSERT_TRUE(captions[nTheme].Create(&host, text, dwStyle, WS_CHILD | WS_VISIBLE, CRect(10, y, 290, y + 24), 60));
        captions[nTheme].InstallTheme(CXTCaptionThemeFactory().MakeThemeObject(nTheme));
        captions[nTheme].GetCaptionButton().InstallTheme(CXTCaptionButtonThemeFactory().MakeThemeObject(nTheme));
        captions[nTheme].ConfigureCaption(nTheme == 0 ? 2 : 0, nullptr, nullptr, ::LoadIconW(nullptr, IDI_INFORMATION));

        ASSERT_TRUE(combos[nTheme].Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(310, y, 450, y + 200), &host, 70));
        combos[nTheme].AddString(L"Calendar");
        combos[nTheme].SetCurSel(0);
        combos[nTheme].InstallTheme(CXTFlatComboBoxThemeFactory().MakeThemeObject(nTheme));
        ASSERT_TRUE(edits[nTheme].CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"flat edit", WS_CHILD | WS_VISIBLE,
                                           CRect(460, y, 590, y + 22), &host, 80));
        edits[nTheme].InstallTheme(CXTFlatEditThemeFactory().MakeThemeObject(nTheme));
    }
    combos[2].EnableWindow(FALSE);
    edits[2].EnableWindow(FALSE);
    captions[2].AttachPopupChild(&list, &host);

    CXTHyperLink link, visited;
    ASSERT_TRUE(link.Create(L"https://orbalin.example/", WS_CHILD | WS_VISIBLE, CRect(310, 140, 590, 160), &host, 90));
    ASSERT_TRUE(visited.Create(L"https://orbalin.example/visited", WS_CHILD | WS_VISIBLE, CRect(310, 165, 590, 185),
                               &host, 91));
    visited.MarkVisited();

    // The third caption's popup opens over the list's pane.
    captions[2].GetCaptionButton().SendMessage(BM_CLICK);
    ASSERT_NE(nullptr, captions[2].GetPopup());
    host.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(testsupport::WindowCapture::WaitUntilShown(captions[2].GetPopup()->GetSafeHwnd()));
    ASSERT_TRUE(testsupport::WindowCapture::WaitUntilShown(host.GetSafeHwnd()));
    CRect rcShot;
    host.GetWindowRect(&rcShot);
    const auto shot = testsupport::WindowCapture::FromScreen(rcShot);
    ASSERT_FALSE(shot.IsEmpty());
    EXPECT_TRUE(shot.SavePng(testsupport::TestOutputPath(L"controls.png")));
    // The gradient caption and the popup's prompt show text.
    EXPECT_TRUE(shot.HasTextLikePixels(RECT{10, 90, 290, 114}, 10));
}
