// Application profile in the registry: HKCU\Software\<key>\<application>\<section>.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Framework.h"
#include "TestPaths.h"

namespace {

class ProfileTest : public ::testing::Test {
protected:
    ProfileTest()
    {
        m_key = L"Orbalin Framework Tests " + std::to_wstring(::GetCurrentProcessId());
        m_app = std::make_unique<CWinApp>(L"ProfileApp");
        m_app->SetRegistryKey(m_key.c_str());
    }
    ~ProfileTest() override
    {
        m_app.reset();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + m_key).c_str());
    }

    // Reads a value straight from the registry, bypassing the application.
    std::wstring RawString(const wchar_t* section, const wchar_t* entry)
    {
        std::wstring path = L"Software\\" + m_key + L"\\ProfileApp\\" + section;
        wchar_t buffer[MAX_PATH];
        DWORD cb = sizeof(buffer);
        if (::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), entry, RRF_RT_REG_SZ, nullptr, buffer, &cb) != ERROR_SUCCESS)
            return L"<missing>";
        return buffer;
    }

    std::wstring m_key;
    std::unique_ptr<CWinApp> m_app;
};

TEST_F(ProfileTest, ValuesRoundTripWithDefaultsForMissingOnes)
{
    EXPECT_STREQ(L"ProfileApp", m_app->m_pszProfileName);
    EXPECT_EQ(7u, m_app->GetProfileInt(L"Settings", L"Missing", 7));
    EXPECT_STREQ(L"dflt", m_app->GetProfileString(L"Settings", L"Missing", L"dflt").GetString());
    EXPECT_TRUE(m_app->GetProfileString(L"Settings", L"Missing").IsEmpty());

    for (int value : {0, 1, -1, 2147483647}) {
        ASSERT_TRUE(m_app->WriteProfileInt(L"Settings", L"Number", value));
        EXPECT_EQ(static_cast<UINT>(value), m_app->GetProfileInt(L"Settings", L"Number", 99));
    }
    for (const wchar_t* text : {L"plain", L"", L"ünïcödé €", L"C:\\path\\file.nsf"}) {
        ASSERT_TRUE(m_app->WriteProfileString(L"Settings", L"Text", text));
        // An empty string is a value of its own, not the default.
        EXPECT_STREQ(text, m_app->GetProfileString(L"Settings", L"Text", L"dflt").GetString());
    }
    EXPECT_EQ(L"C:\\path\\file.nsf", RawString(L"Settings", L"Text"));

    // A value of another type reads as missing.
    EXPECT_EQ(5u, m_app->GetProfileInt(L"Settings", L"Text", 5));

    // Deleting an entry, then the whole section.
    ASSERT_TRUE(m_app->WriteProfileString(L"Settings", L"Text", nullptr));
    EXPECT_STREQ(L"gone", m_app->GetProfileString(L"Settings", L"Text", L"gone").GetString());
    ASSERT_TRUE(m_app->WriteProfileString(L"Settings", nullptr, nullptr));
    EXPECT_EQ(3u, m_app->GetProfileInt(L"Settings", L"Number", 3));
}

TEST_F(ProfileTest, BinaryValuesRoundTrip)
{
    LPBYTE pData = reinterpret_cast<LPBYTE>(1);
    UINT nBytes = 5;
    EXPECT_FALSE(m_app->GetProfileBinary(L"Bars", L"State", &pData, &nBytes));
    EXPECT_EQ(nullptr, pData);
    EXPECT_EQ(0u, nBytes);

    BYTE blob[300];
    for (int i = 0; i < 300; ++i)
        blob[i] = static_cast<BYTE>(i * 7);
    ASSERT_TRUE(m_app->WriteProfileBinary(L"Bars", L"State", blob, sizeof(blob)));
    ASSERT_TRUE(m_app->GetProfileBinary(L"Bars", L"State", &pData, &nBytes));
    ASSERT_EQ(sizeof(blob), nBytes);
    EXPECT_EQ(0, memcmp(blob, pData, nBytes));
    delete[] pData;

    ASSERT_TRUE(m_app->WriteProfileBinary(L"Bars", L"Empty", blob, 0));
    ASSERT_TRUE(m_app->GetProfileBinary(L"Bars", L"Empty", &pData, &nBytes));
    EXPECT_EQ(0u, nBytes);
    delete[] pData;
}

TEST_F(ProfileTest, RecentFileListIsKeptAcrossRuns)
{
    m_app->LoadStdProfileSettings(4);
    ASSERT_NE(nullptr, m_app->m_pRecentFileList);
    EXPECT_EQ(4, m_app->m_pRecentFileList->GetSize());
    for (const wchar_t* path : {L"C:\\a.nsf", L"C:\\b.nsf", L"C:\\c.nsf", L"C:\\A.NSF", L"C:\\d.nsf", L"C:\\e.nsf"})
        m_app->AddToRecentFileList(path);
    // Most recent first; the re-added file moved up; the oldest dropped off.
    CRecentFileList& list = *m_app->m_pRecentFileList;
    EXPECT_STREQ(L"C:\\e.nsf", list[0].GetString());
    EXPECT_STREQ(L"C:\\d.nsf", list[1].GetString());
    EXPECT_STREQ(L"C:\\A.NSF", list[2].GetString());
    EXPECT_STREQ(L"C:\\c.nsf", list[3].GetString());
    m_app->SaveStdProfileSettings();
    EXPECT_EQ(L"C:\\e.nsf", RawString(L"Recent File List", L"File1"));
    EXPECT_EQ(L"C:\\c.nsf", RawString(L"Recent File List", L"File4"));
    EXPECT_EQ(L"<missing>", RawString(L"Recent File List", L"File5"));

    // The next run reads the same list back.
    m_app = std::make_unique<CWinApp>(L"ProfileApp");
    m_app->SetRegistryKey(m_key.c_str());
    m_app->LoadStdProfileSettings(4);
    EXPECT_STREQ(L"C:\\A.NSF", (*m_app->m_pRecentFileList)[2].GetString());

    // Removing leaves no stale value after saving.
    m_app->m_pRecentFileList->Remove(0);
    m_app->SaveStdProfileSettings();
    EXPECT_EQ(L"C:\\d.nsf", RawString(L"Recent File List", L"File1"));
    EXPECT_EQ(L"<missing>", RawString(L"Recent File List", L"File4"));
}

} // namespace

namespace {

// Without a registry key the profile is an INI file.
TEST(IniProfileTest, ValuesRoundTripThroughTheIniFile)
{
    std::wstring path = testsupport::TestOutputPath(L"framework-window-profile.ini");
    ::DeleteFileW(path.c_str());
    CWinApp app(L"IniApp");
    app.m_pszProfileName = path.c_str();
    EXPECT_EQ(nullptr, app.GetAppRegistryKey());
    EXPECT_EQ(4u, app.GetProfileInt(L"Settings", L"Number", 4));
    ASSERT_TRUE(app.WriteProfileInt(L"Settings", L"Number", -12));
    EXPECT_EQ(static_cast<UINT>(-12), app.GetProfileInt(L"Settings", L"Number", 4));
    ASSERT_TRUE(app.WriteProfileString(L"Settings", L"Text", L"value"));
    EXPECT_STREQ(L"value", app.GetProfileString(L"Settings", L"Text").GetString());

    BYTE blob[] = {0x00, 0x5A, 0xFF, 0x10};
    ASSERT_TRUE(app.WriteProfileBinary(L"Settings", L"Blob", blob, sizeof(blob)));
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(app.GetProfileBinary(L"Settings", L"Blob", &pData, &nBytes));
    ASSERT_EQ(sizeof(blob), nBytes);
    EXPECT_EQ(0, memcmp(blob, pData, nBytes));
    delete[] pData;
    // Text that is not an encoded blob is refused.
    ASSERT_TRUE(app.WriteProfileString(L"Settings", L"Blob", L"zz"));
    EXPECT_FALSE(app.GetProfileBinary(L"Settings", L"Blob", &pData, &nBytes));
    EXPECT_EQ(nullptr, pData);
    ::DeleteFileW(path.c_str());
}

} // namespace
