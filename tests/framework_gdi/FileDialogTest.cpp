#include "CFileDialog.h"
#include "DialogAnswerer.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring Text(const CString& s)
{
    return s.GetString();
}

// Lets a test look at what the constructor prepared and fake the system's answer.
class TestFileDialog : public CFileDialog {
public:
    using CFileDialog::CFileDialog;
    // As DoModal leaves it: the answer, then zeros up to the end of the buffer.
    void SetResult(const std::wstring& zeroSeparated)
    {
        m_result.assign(zeroSeparated.begin(), zeroSeparated.end());
        m_result.resize(m_result.size() + 8, L'\0');
        m_ofn.lpstrFile = m_result.data();
        m_ofn.nMaxFile = static_cast<DWORD>(m_result.size());
    }

private:
    std::vector<wchar_t> m_result;
};

std::vector<std::wstring> AllPaths(const CFileDialog& dialog)
{
    std::vector<std::wstring> paths;
    for (POSITION pos = dialog.GetStartPosition(); pos != nullptr;)
        paths.push_back(Text(dialog.GetNextPathName(pos)));
    return paths;
}

TEST(FileDialog, FilterBecomesZeroSeparatedList)
{
    TestFileDialog dialog(TRUE, L"nsf", L"names.nsf", OFN_HIDEREADONLY, L"NSF File(*.nsf)|*.nsf|All Files (*.*)|*.*||");
    const wchar_t expected[] = L"NSF File(*.nsf)\0*.nsf\0All Files (*.*)\0*.*\0";
    EXPECT_EQ(std::memcmp(dialog.m_ofn.lpstrFilter, expected, sizeof(expected)), 0);
    EXPECT_STREQ(dialog.m_ofn.lpstrDefExt, L"nsf");
    EXPECT_STREQ(dialog.m_ofn.lpstrFile, L"names.nsf");
    EXPECT_EQ(dialog.m_ofn.lStructSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(dialog.m_ofn.Flags & (OFN_HIDEREADONLY | OFN_EXPLORER), static_cast<DWORD>(OFN_HIDEREADONLY | OFN_EXPLORER));

    // Without the closing "||" the list still ends properly.
    TestFileDialog shortFilter(FALSE, nullptr, nullptr, 0, L"CSV|*.csv");
    const wchar_t expectedShort[] = L"CSV\0*.csv\0";
    EXPECT_EQ(std::memcmp(shortFilter.m_ofn.lpstrFilter, expectedShort, sizeof(expectedShort)), 0);
    EXPECT_EQ(shortFilter.m_ofn.lpstrDefExt, nullptr);
}

TEST(FileDialog, PathPartsOfASingleChoice)
{
    TestFileDialog dialog(TRUE);
    dialog.SetResult(L"C:\\mail\\calendar.backup.nsf");
    EXPECT_EQ(Text(dialog.GetPathName()), L"C:\\mail\\calendar.backup.nsf");
    EXPECT_EQ(Text(dialog.GetFileName()), L"calendar.backup.nsf");
    EXPECT_EQ(Text(dialog.GetFileTitle()), L"calendar.backup");
    EXPECT_EQ(Text(dialog.GetFileExt()), L"nsf");
    EXPECT_EQ(AllPaths(dialog), std::vector<std::wstring>{L"C:\\mail\\calendar.backup.nsf"});

    dialog.SetResult(L"C:\\mail\\README");
    EXPECT_EQ(Text(dialog.GetFileExt()), L"");
    EXPECT_EQ(Text(dialog.GetFileTitle()), L"README");

    dialog.SetResult(L"");
    EXPECT_EQ(dialog.GetStartPosition(), nullptr);
    EXPECT_EQ(Text(dialog.GetFileName()), L"");
}

TEST(FileDialog, MultipleSelectionPaths)
{
    struct Case {
        DWORD flags;
        std::wstring buffer;
        std::vector<std::wstring> paths;
    } const cases[] = {
        {OFN_ALLOWMULTISELECT | OFN_EXPLORER, std::wstring(L"C:\\mail\0a.nsf\0b.nsf\0", 21),
         {L"C:\\mail\\a.nsf", L"C:\\mail\\b.nsf"}},
        {OFN_ALLOWMULTISELECT | OFN_EXPLORER, std::wstring(L"C:\\\0a.nsf\0", 10), {L"C:\\a.nsf"}},
        {OFN_ALLOWMULTISELECT | OFN_EXPLORER, L"C:\\mail\\only.nsf", {L"C:\\mail\\only.nsf"}},
        {OFN_ALLOWMULTISELECT, L"C:\\mail a.nsf b.nsf", {L"C:\\mail\\a.nsf", L"C:\\mail\\b.nsf"}},
        {OFN_ALLOWMULTISELECT, L"C:\\mail\\only.nsf", {L"C:\\mail\\only.nsf"}},
    };
    for (const Case& c : cases) {
        TestFileDialog dialog(TRUE);
        dialog.m_ofn.Flags = c.flags; // the old layout only when the caller turns the explorer one off
        dialog.SetResult(c.buffer);
        EXPECT_EQ(AllPaths(dialog), c.paths) << c.flags;
    }
}

TEST(FileDialog, DoModalReturnsTheChosenFile)
{
    const std::wstring path = testsupport::TestOutputPath(L"framework_gdi_pick.nsf");
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::CloseHandle(file);

    {
        CFileDialog dialog(TRUE, L"nsf", nullptr,
                           OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT,
                           L"NSF File(*.nsf)|*.nsf||");
        // A large name buffer of the caller's, left with junk from earlier use.
        std::vector<wchar_t> names(100000, L'x');
        names[0] = L'\0';
        dialog.m_ofn.lpstrFile = names.data();
        dialog.m_ofn.nMaxFile = static_cast<DWORD>(names.size());
        testsupport::DialogAnswerer user([&path](HWND hDialog) {
            testsupport::FillFileName(hDialog, path);
            testsupport::PressDialogButton(hDialog, IDOK);
        });
        const INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(user.Finish());
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(Text(dialog.GetPathName()), path);
        EXPECT_EQ(Text(dialog.GetFileName()), L"framework_gdi_pick.nsf");
        EXPECT_EQ(Text(dialog.GetFileExt()), L"nsf");
        EXPECT_EQ(AllPaths(dialog), std::vector<std::wstring>{path});
    }
    {
        CFileDialog dialog(FALSE, L"csv", L"out.csv", OFN_OVERWRITEPROMPT, L"CSV|*.csv||");
        testsupport::DialogAnswerer user([](HWND hDialog) { testsupport::PressDialogButton(hDialog, IDCANCEL); });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_TRUE(user.Finish());
    }
    ::DeleteFileW(path.c_str());
}

} // namespace
