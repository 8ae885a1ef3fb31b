#include <gtest/gtest.h>

#include "BrowseFolders.h"
#include "CXTFolderBrowser.h"
#include "DialogAnswerer.h"
#include "ToolkitTestHost.h"

using browsefolders::SystemFolder;
using browsefolders::SamePath;
using testsupport::DialogAnswerer;
using testsupport::PressDialogButton;

namespace {

// Makes dir the current directory for as long as the object lives.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::wstring& dir)
    {
        ::GetCurrentDirectoryW(MAX_PATH, m_szPrevious);
        ::SetCurrentDirectoryW(dir.c_str());
    }
    ~CurrentDirectory() { ::SetCurrentDirectoryW(m_szPrevious); }

private:
    wchar_t m_szPrevious[MAX_PATH] = {};
};

} // namespace

TEST(FolderBrowser, AsksForADirectoryUnderTheToolkitsTitle)
{
    ToolkitTestWindow owner;
    CXTFolderBrowser browser(&owner);
    const BROWSEINFOW& bi = browser.GetBrowseInfo();
    EXPECT_STREQ(L"Select Directory:", bi.lpszTitle);
    EXPECT_EQ(UINT(BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE), bi.ulFlags);
    EXPECT_EQ(owner.GetSafeHwnd(), bi.hwndOwner);
    EXPECT_EQ(browser.GetSelPath(), bi.pszDisplayName);
    EXPECT_STREQ(L"", browser.GetSelPath());
    EXPECT_EQ(nullptr, CXTFolderBrowser().GetBrowseInfo().hwndOwner);
}

TEST(FolderBrowser, OpensAtTheGivenFolderElseAtTheCurrentDirectory)
{
    const std::wstring given = SystemFolder(L"help");
    const std::wstring current = SystemFolder(L"logs");
    CurrentDirectory inCurrent(current);
    // A path longer than the browser's buffer is not cut to a folder that
    // happens to exist: the browser opens at the current directory.
    const std::wstring tooLong = given + L"\\" + std::wstring(MAX_PATH, L'x');
    struct Case {
        std::wstring start;
        std::wstring opensAt;
    } const cases[] = {{given, given}, {L"", current}, {tooLong, current}};
    for (const Case& c : cases) {
        CXTFolderBrowser browser;
        browser.SetSelPath(c.start.c_str());
        DialogAnswerer user([](HWND hDialog) { PressDialogButton(hDialog, IDOK); });
        EXPECT_EQ(IDOK, browser.DoModal()) << c.start.size();
        EXPECT_TRUE(user.Finish());
        EXPECT_TRUE(SamePath(c.opensAt, browser.GetSelPath())) << c.start.size() << " " << browser.GetSelPath();
    }
}

TEST(FolderBrowser, ReturnsTheChosenFolderAndCancelKeepsTheStart)
{
    ToolkitTestWindow owner;
    const std::wstring given = SystemFolder(L"help");
    const std::wstring chosen = SystemFolder(L"inf");

    CXTFolderBrowser browser(&owner);
    browser.SetTitle(L"Where to?");
    browser.SetSelPath(given.c_str());
    HWND hOwnerSeen = nullptr;
    std::wstring texts;
    DialogAnswerer user([&](HWND hDialog) {
        hOwnerSeen = ::GetWindow(hDialog, GW_OWNER);
        texts = testsupport::DialogTexts(hDialog);
        ::SendMessageW(hDialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(chosen.c_str()));
        PressDialogButton(hDialog, IDOK);
    });
    EXPECT_EQ(IDOK, browser.DoModal());
    EXPECT_TRUE(user.Finish());
    EXPECT_TRUE(SamePath(chosen, browser.GetSelPath())) << browser.GetSelPath();
    EXPECT_EQ(owner.GetSafeHwnd(), hOwnerSeen);
    EXPECT_NE(std::wstring::npos, texts.find(L"Where to?")) << texts;

    browser.SetSelPath(given.c_str());
    DialogAnswerer cancel([](HWND hDialog) { PressDialogButton(hDialog, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, browser.DoModal());
    EXPECT_TRUE(cancel.Finish());
    EXPECT_EQ(given, browser.GetSelPath());
}
