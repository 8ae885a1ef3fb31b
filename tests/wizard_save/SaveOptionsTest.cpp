#include <gtest/gtest.h>

#include <string>

#include "SaveOptionsDialog.h"

namespace {

// A scratch folder with one existing file of each kind.
class SaveOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        m_folder = CString(temp) + L"orbalin_save_options";
        ::CreateDirectoryW(m_folder, nullptr);
        for (const wchar_t* name : {L"\\taken.pst", L"\\taken.xls", L"\\taken.csv"}) {
            HANDLE file = ::CreateFileW(m_folder + name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ::CloseHandle(file);
        }
    }

    CString m_folder;
};

struct Case {
    const char* what;
    int kind;
    bool existingPst;
    const wchar_t* existing;   // "~" stands for the scratch folder
    const wchar_t* folder;
    const wchar_t* name;
    const wchar_t* message;    // empty: accepted
};

CString Expand(const wchar_t* text, const CString& folder)
{
    CString result = text;
    result.Replace(L"~", folder);
    return result;
}

TEST_F(SaveOptionsTest, EveryMessageOfTheChecks)
{
    const CString longName(L'n', 300);
    const Case cases[] = {
        {"existing pst missing", 0, true, L"~\\none.pst", L"", L"", L"Please provide valid file path"},
        {"existing pst empty", 0, true, L"", L"", L"", L"Please provide valid file path"},
        {"existing file not a pst", 0, true, L"~\\taken.xls", L"", L"", L"Please provide file path"},
        {"existing pst accepted", 0, true, L"~\\taken.pst", L"", L"", L""},
        {"new pst bad name", 0, false, L"", L"~", L"a?b", L"Please provide valid file name and path"},
        {"new pst missing folder", 0, false, L"", L"~\\nowhere", L"cal", L"Please provide valid file name and path"},
        {"new pst exists", 0, false, L"", L"~", L"taken", L"File already exist , please provide different file name"},
        {"new pst no name", 0, false, L"", L"~", L"", L"Please provide pst file name"},
        {"new pst accepted", 0, false, L"", L"~\\", L"cal", L""},
        {"excel bad name", 1, false, L"", L"~", L"x|y", L"Please provide valid file name and path"},
        {"excel no name", 1, false, L"", L"~", L"", L"Please provide excel file name"},
        {"excel exists", 1, false, L"", L"~", L"taken", L"File already exist , please provide different file name"},
        {"excel accepted", 1, false, L"", L"~", L"cal", L""},
        {"csv bad name", 2, false, L"", L"~", L"a:b", L"Please provide valid file name and path"},
        {"csv missing folder", 2, false, L"", L"", L"cal", L"Please provide valid file name and path"},
        {"csv no name", 2, false, L"", L"~", L"", L"Please provide csv file name"},
        {"csv existing accepted", 2, false, L"", L"~", L"taken", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SaveOptionsInput in;
        in.nKind = c.kind;
        in.bExistingPst = c.existingPst;
        in.strExistingPst = Expand(c.existing, m_folder);
        const CString folder = Expand(c.folder, m_folder);
        in.strPstFolder = in.strExcelFolder = in.strCsvFolder = folder;
        in.strPstName = in.strExcelName = in.strCsvName = c.name;
        SaveTarget target;
        target.strPstPath = L"untouched";
        BYTE single = 7;
        const CString message = SaveOptionsDialog::ValidateSaveOptions(in, target, single);
        EXPECT_STREQ(static_cast<LPCWSTR>(message), c.message);
        if (message.IsEmpty()) {
            EXPECT_EQ(target.nKind, c.kind);
            EXPECT_EQ(single, 0);
        } else {
            EXPECT_STREQ(static_cast<LPCWSTR>(target.strPstPath), L"untouched");
            EXPECT_EQ(single, 7);
        }
    }
}

TEST_F(SaveOptionsTest, EveryForbiddenCharacterIsRefused)
{
    for (wchar_t c : std::wstring(L"\\/:*?\"<>|")) {
        SaveOptionsInput in;
        in.nKind = 2;
        in.strCsvFolder = m_folder;
        in.strCsvName = CString(L"cal") + CString(c, 1);
        SaveTarget target;
        BYTE single = 0;
        EXPECT_STREQ(static_cast<LPCWSTR>(SaveOptionsDialog::ValidateSaveOptions(in, target, single)),
                     L"Please provide valid file name and path")
            << static_cast<char>(c);
    }
}

TEST_F(SaveOptionsTest, StoredPathsAndFlags)
{
    SaveOptionsInput in;
    in.nKind = 0;
    in.strPstFolder = m_folder;   // no backslash: one is added
    in.strPstName = L"Cal";
    in.bSingleFile = true;
    SaveTarget target;
    BYTE single = 0;
    ASSERT_TRUE(SaveOptionsDialog::ValidateSaveOptions(in, target, single).IsEmpty());
    EXPECT_STREQ(static_cast<LPCWSTR>(target.strPstPath), static_cast<LPCWSTR>(m_folder + L"\\Cal.pst"));
    EXPECT_EQ(target.nPstMode, SaveTarget::NewPst);
    EXPECT_EQ(single, 1);

    in.bExistingPst = true;
    in.strExistingPst = m_folder + L"\\taken.pst";
    ASSERT_TRUE(SaveOptionsDialog::ValidateSaveOptions(in, target, single).IsEmpty());
    EXPECT_EQ(target.nPstMode, SaveTarget::ExistingPst);

    in.nKind = 2;
    in.strCsvFolder = m_folder + L"\\";
    in.strCsvName = L"out";
    ASSERT_TRUE(SaveOptionsDialog::ValidateSaveOptions(in, target, single).IsEmpty());
    EXPECT_STREQ(static_cast<LPCWSTR>(target.strCsvPath), static_cast<LPCWSTR>(m_folder + L"\\out.csv"));
}

// A path the platform cannot open is refused up front, for every target; one
// character shorter is accepted.
TEST_F(SaveOptionsTest, PathsTooLongForThePlatform)
{
    const int room = MAX_PATH - 1 - (m_folder.GetLength() + 1) - 4;   // longest name that fits
    for (int kind : {0, 1, 2}) {
        SCOPED_TRACE(kind);
        for (int extra : {0, 1}) {
            SaveOptionsInput in;
            in.nKind = kind;
            in.strPstFolder = in.strExcelFolder = in.strCsvFolder = m_folder;
            in.strPstName = in.strExcelName = in.strCsvName = CString(L'n', room + extra);
            SaveTarget target;
            BYTE single = 0;
            const CString message = SaveOptionsDialog::ValidateSaveOptions(in, target, single);
            if (extra == 0)
                EXPECT_TRUE(message.IsEmpty()) << CStringA(message).GetString();
            else
                EXPECT_STREQ(static_cast<LPCWSTR>(message),
                             L"File name is too large to process, please provide different file name");
        }
    }
}

TEST(SaveOptionsInformation, NamesTheDatabaseAndItsServer)
{
    EXPECT_STREQ(static_cast<LPCWSTR>(SaveOptionsDialog::InformationText(L"C:\\a.nsf", L"")), L"Saving file :C:\\a.nsf\r\n");
    EXPECT_STREQ(static_cast<LPCWSTR>(SaveOptionsDialog::InformationText(L"mail\\b.nsf", L"Mail01/Acme")),
                 L"Saving file :mail\\b.nsf\r\nDomain Name : Mail01/Acme");
}

}  // namespace
