// OrbalinStart as the user meets it: registry keys of the Notes client, the
// message boxes it shows, and the PATH the started Orbalin.exe inherits.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const wchar_t kNotesKey[] = L"SOFTWARE\\Lotus\\Notes";
const wchar_t kLotusKey[] = L"SOFTWARE\\Lotus";
// Where the Notes key of the machine waits while the tests own it; a copy left
// here by an interrupted run is the original and is put back first.
const wchar_t kBackupKey[] = L"SOFTWARE\\OrbalinLauncherTestBackup";
const wchar_t kBackupLotusMarker[] = L"LotusCreatedByTest";
const wchar_t kBackupNotesMarker[] = L"NotesAbsent";

const wchar_t kNotInstalled[] =
    L"Lotus Notes is not installed on this computer. In order to successfully convert the Lotus Notes .NSF file "
    L"to Outlook .PST file, you must have Lotus Notes installed on your computer.\r\n\r\n Please install Lotus "
    L"Notes and restart Orbalin again.";
const wchar_t kNoInstallFound[] =
    L"Lotus Noetes is not installed on this compuer. In order to successfully convert the Lotus Notes .NSF file "
    L"to Outlook .PST file, you must have Lotus Notes installed on your computer.\r\n\r\n Please install Lotus "
    L"Notes and restart Orbalin again.";
const wchar_t kComponentMissing[] = L"Required component is missing , Please reinstall software.";

const wchar_t kBasePath[] = L"C:\\Windows\\System32;C:\\Windows";

std::wstring Widen(const char* s)
{
    return std::wstring(s, s + strlen(s));
}

// A build path as the Windows side sees it (drive Z: maps the Unix root).
std::wstring WindowsPath(const char* unixPath)
{
    std::wstring p = Widen(unixPath);
    if (!p.empty() && p[0] == L'/')
        p = L"Z:" + p;
    for (auto& c : p)
        if (c == L'/')
            c = L'\\';
    return p;
}

std::wstring Lower(std::wstring s)
{
    ::CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

bool KeyExists(const wchar_t* key)
{
    HKEY h = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(h);
    return true;
}

HKEY CreateKey(const std::wstring& key)
{
    HKEY h = nullptr;
    EXPECT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h,
                                nullptr),
              ERROR_SUCCESS);
    return h;
}

void CopyTree(const wchar_t* from, const wchar_t* to)
{
    HKEY hFrom = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, from, 0, KEY_READ, &hFrom), ERROR_SUCCESS);
    HKEY hTo = CreateKey(to);
    EXPECT_EQ(::RegCopyTreeW(hFrom, nullptr, hTo), ERROR_SUCCESS);
    ::RegCloseKey(hTo);
    ::RegCloseKey(hFrom);
}

void DeleteTree(const wchar_t* key)
{
    ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, key);
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key);
}

// Sets "path" of the Notes key (subKey empty) or of one of its subkeys; bytes
// overrides the stored size (a value without its terminating zero).
void SetNotesPath(const std::wstring& subKey, const std::wstring& value, std::optional<DWORD> bytes = {},
                  DWORD type = REG_SZ)
{
    const std::wstring key = subKey.empty() ? std::wstring(kNotesKey) : std::wstring(kNotesKey) + L"\\" + subKey;
    HKEY h = CreateKey(key);
    const DWORD size = bytes.value_or(static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(::RegSetValueExW(h, L"path", 0, type, reinterpret_cast<const BYTE*>(value.c_str()), size),
              ERROR_SUCCESS);
    ::RegCloseKey(h);
}

void CreateNotesSubKey(const std::wstring& subKey)
{
    ::RegCloseKey(CreateKey(std::wstring(kNotesKey) + L"\\" + subKey));
}

struct LaunchResult {
    DWORD exitCode = STILL_ACTIVE;
    std::vector<std::wstring> messages;
    std::optional<std::wstring> inheritedPath;   // set when Orbalin.exe ran
};

struct BoxSearch {
    DWORD pid;
    HWND box;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64] = {};
    wchar_t caption[64] = {};
    ::GetClassNameW(hwnd, cls, 64);
    ::GetWindowTextW(hwnd, caption, 64);
    if (pid == search->pid && ::IsWindowVisible(hwnd) && wcscmp(cls, L"#32770") == 0 &&
        wcscmp(caption, L"Orbalin") == 0) {
        search->box = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The text of a message box: its longest static child.
BOOL CALLBACK CollectStatic(HWND hwnd, LPARAM lParam)
{
    auto* text = reinterpret_cast<std::wstring*>(lParam);
    wchar_t cls[32] = {};
    ::GetClassNameW(hwnd, cls, 32);
    if (_wcsicmp(cls, L"Static") == 0) {
        std::wstring t(::GetWindowTextLengthW(hwnd) + 1, L'\0');
        t.resize(::GetWindowTextW(hwnd, t.data(), static_cast<int>(t.size())));
        if (t.size() > text->size())
            *text = t;
    }
    return TRUE;
}

class LauncherTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (KeyExists(kBackupKey))
            RestoreMachineKeys();
        HKEY backup = CreateKey(kBackupKey);
        const DWORD one = 1;
        if (!KeyExists(kLotusKey))
            ::RegSetValueExW(backup, kBackupLotusMarker, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
        if (KeyExists(kNotesKey)) {
            HKEY copy = CreateKey(std::wstring(kBackupKey) + L"\\Notes");
            ::RegCloseKey(copy);
            CopyTree(kNotesKey, (std::wstring(kBackupKey) + L"\\Notes").c_str());
        } else {
            ::RegSetValueExW(backup, kBackupNotesMarker, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
        }
        ::RegCloseKey(backup);
    }

    static void TearDownTestSuite() { RestoreMachineKeys(); }

    // Puts the Notes key back as it was before the tests and drops the copy.
    static void RestoreMachineKeys()
    {
        HKEY backup = nullptr;
        ASSERT_EQ(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kBackupKey, 0, KEY_READ, &backup), ERROR_SUCCESS);
        const bool lotusCreated = ::RegQueryValueExW(backup, kBackupLotusMarker, nullptr, nullptr, nullptr, nullptr) ==
                                  ERROR_SUCCESS;
        const bool notesAbsent = ::RegQueryValueExW(backup, kBackupNotesMarker, nullptr, nullptr, nullptr, nullptr) ==
                                 ERROR_SUCCESS;
        ::RegCloseKey(backup);
        DeleteTree(kNotesKey);
        if (!notesAbsent)
            CopyTree((std::wstring(kBackupKey) + L"\\Notes").c_str(), kNotesKey);
        if (lotusCreated)
            DeleteTree(kLotusKey);
        DeleteTree(kBackupKey);
    }

    void SetUp() override
    {
        DeleteTree(kNotesKey);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        workDir_ = WindowsPath(ORBALIN_TEST_OUTPUT_DIR) + L"\\launcher";
        ::CreateDirectoryW(workDir_.c_str(), nullptr);
        workDir_ += L"\\" + Widen(info->name());
        ::CreateDirectoryW(workDir_.c_str(), nullptr);
        ::DeleteFileW((workDir_ + L"\\probe-path.txt").c_str());
        ::DeleteFileW((workDir_ + L"\\Orbalin.exe").c_str());
    }

    void InstallMainProgram()
    {
        ASSERT_TRUE(::CopyFileW(WindowsPath(PROBE_EXE).c_str(), (workDir_ + L"\\Orbalin.exe").c_str(), FALSE));
    }

    // Starts OrbalinStart in the work folder with the given PATH (none when
    // absent), answers every message box with OK and waits for the end.
    LaunchResult Launch(const std::optional<std::wstring>& path)
    {
        std::wstring env;
        const wchar_t* block = ::GetEnvironmentStringsW();
        for (const wchar_t* p = block; *p != 0; p += wcslen(p) + 1) {
            if (_wcsnicmp(p, L"PATH=", 5) != 0)
                env.append(p).push_back(L'\0');
        }
        ::FreeEnvironmentStringsW(const_cast<wchar_t*>(block));
        if (path)
            env.append(L"PATH=").append(*path).push_back(L'\0');
        env.push_back(L'\0');

        LaunchResult result;
        std::wstring cmd = L"\"" + WindowsPath(LAUNCHER_EXE) + L"\"";
        STARTUPINFOW si = {sizeof(si)};
        PROCESS_INFORMATION pi = {};
        if (!::CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT, env.data(),
                              workDir_.c_str(), &si, &pi)) {
            ADD_FAILURE() << "cannot start the launcher: " << ::GetLastError();
            return result;
        }
        const DWORD start = ::GetTickCount();
        while (::WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT) {
            if (::GetTickCount() - start > 30000) {
                ADD_FAILURE() << "the launcher did not end";
                ::TerminateProcess(pi.hProcess, 99);
                break;
            }
            BoxSearch search{pi.dwProcessId, nullptr};
            ::EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
            if (search.box == nullptr || ::GetDlgItem(search.box, IDOK) == nullptr)
                continue;
            std::wstring text;
            ::EnumChildWindows(search.box, CollectStatic, reinterpret_cast<LPARAM>(&text));
            result.messages.push_back(text);
            ::PostMessageW(search.box, WM_COMMAND, IDOK, 0);
            // Wait for this box to go before looking for the next.
            for (int i = 0; i < 200 && ::IsWindow(search.box); ++i)
                ::Sleep(25);
        }
        ::GetExitCodeProcess(pi.hProcess, &result.exitCode);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        result.inheritedPath = WaitForProbe(result.messages.empty() ? 15000 : 1000);
        return result;
    }

    std::optional<std::wstring> WaitForProbe(DWORD timeoutMs)
    {
        const std::wstring file = workDir_ + L"\\probe-path.txt";
        const DWORD start = ::GetTickCount();
        do {
            HANDLE h = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            if (h != INVALID_HANDLE_VALUE) {
                std::wstring text(::GetFileSize(h, nullptr) / sizeof(wchar_t), L'\0');
                DWORD read = 0;
                ::ReadFile(h, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
                ::CloseHandle(h);
                return text;
            }
            ::Sleep(50);
        } while (::GetTickCount() - start < timeoutMs);
        return std::nullopt;
    }

    std::wstring workDir_;
};

// Roads that end in a message: the text shown, exit 0, Orbalin.exe not started.
TEST_F(LauncherTest, FailureRoadsShowTheirMessageAndStartNothing)
{
    struct Case {
        const char* name;
        void (*prepare)();
        bool mainProgram;
        const wchar_t* message;
    };
    const Case cases[] = {
        {"key absent", [] {}, true, kNotInstalled},
        {"value absent, subkeys not asked",
         [] {
             ::RegCloseKey(CreateKey(kNotesKey));
             SetNotesPath(L"Release8", L"C:\\Lotus8");
         },
         true, kNotInstalled},
        {"value not text",
         [] {
             HKEY h = CreateKey(kNotesKey);
             const DWORD v = 7;
             ::RegSetValueExW(h, L"path", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof(v));
             ::RegCloseKey(h);
         },
         true, kNotInstalled},
        {"empty value, no subkeys", [] { SetNotesPath(L"", L""); }, true, kNoInstallFound},
        {"empty value, subkeys without path",
         [] {
             SetNotesPath(L"", L"");
             CreateNotesSubKey(L"Release7");
             CreateNotesSubKey(L"Release8");
         },
         true, kNoInstallFound},
        {"Orbalin.exe missing", [] { SetNotesPath(L"", L"C:\\Lotus\\Notes"); }, false, kComponentMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.prepare();
        if (c.mainProgram)
            InstallMainProgram();
        const LaunchResult r = Launch(std::wstring(kBasePath));
        EXPECT_EQ(r.exitCode, 0u);
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0], c.message);
        EXPECT_FALSE(r.inheritedPath.has_value());
    }
}

// The main value names the directory: it is appended (even when it does not
// exist) and the subkeys are not looked at; the whole PATH becomes lower case.
TEST_F(LauncherTest, MainValueIsAppendedAlone)
{
    SetNotesPath(L"", L"C:\\Lotus\\Notes Missing");
    SetNotesPath(L"Release8", L"C:\\Lotus8");
    InstallMainProgram();
    const LaunchResult r = Launch(std::wstring(kBasePath));
    EXPECT_EQ(r.exitCode, 0u);
    EXPECT_TRUE(r.messages.empty());
    ASSERT_TRUE(r.inheritedPath.has_value());
    EXPECT_EQ(*r.inheritedPath, Lower(std::wstring(kBasePath) + L";C:\\Lotus\\Notes Missing"));
}

// An empty main value: every subkey's "path" is appended once, in order; a
// subkey without one is skipped and the walk goes on.
TEST_F(LauncherTest, EmptyMainValueAppendsEachRelease)
{
    SetNotesPath(L"", L"");
    SetNotesPath(L"A_Release7", L"D:\\Notes7");
    CreateNotesSubKey(L"B_Broken");
    SetNotesPath(L"C_Release8", L"D:\\Notes8");
    SetNotesPath(L"D_Again", L"d:\\NOTES7");
    InstallMainProgram();
    const LaunchResult r = Launch(std::wstring(kBasePath));
    EXPECT_TRUE(r.messages.empty());
    ASSERT_TRUE(r.inheritedPath.has_value());
    EXPECT_EQ(*r.inheritedPath, Lower(std::wstring(kBasePath) + L";D:\\Notes7;D:\\Notes8"));
}

// PATH that already has the directory as an entry stays exactly as it was;
// an entry that only begins with the directory does not count.
TEST_F(LauncherTest, DirectoryAlreadyOnPathIsNotAddedTwice)
{
    struct Case {
        const wchar_t* path;
        const wchar_t* expected;   // null: unchanged
    };
    const Case cases[] = {
        {L"C:\\LOTUS\\notes;C:\\Windows", nullptr},
        {L"C:\\Windows;c:\\lotus\\NOTES", nullptr},
        {L"C:\\Windows;C:\\Lotus\\Notes\\;C:\\Other", nullptr},
        {L"C:\\Windows;\"C:\\Lotus\\Notes\"", nullptr},
        {L"C:\\Lotus\\Notes9;C:\\Windows", L"c:\\lotus\\notes9;c:\\windows;c:\\lotus\\notes"},
        {L"C:\\Lotus\\Notes\\Data;C:\\Windows", L"c:\\lotus\\notes\\data;c:\\windows;c:\\lotus\\notes"},
    };
    InstallMainProgram();
    SetNotesPath(L"", L"C:\\Lotus\\Notes");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.path, c.path + wcslen(c.path))));
        ::DeleteFileW((workDir_ + L"\\probe-path.txt").c_str());
        const LaunchResult r = Launch(std::wstring(c.path));
        EXPECT_TRUE(r.messages.empty());
        ASSERT_TRUE(r.inheritedPath.has_value());
        EXPECT_EQ(*r.inheritedPath, c.expected ? std::wstring(c.expected) : std::wstring(c.path));
    }
}

// Long values pass whole: a PATH far beyond 13,000 characters and a Notes
// directory beyond 260 keep every character.
TEST_F(LauncherTest, LongValuesAreNotCut)
{
    std::wstring longPath = kBasePath;
    for (int i = 0; longPath.size() < 20000; ++i)
        longPath += L";C:\\Some\\Quite\\Long\\Tool\\Folder" + std::to_wstring(i);
    std::wstring longDir = L"E:";
    while (longDir.size() < 400)
        longDir += L"\\Lotus Notes Directory";
    SetNotesPath(L"", longDir);
    InstallMainProgram();
    const LaunchResult r = Launch(longPath);
    EXPECT_TRUE(r.messages.empty());
    ASSERT_TRUE(r.inheritedPath.has_value());
    EXPECT_EQ(*r.inheritedPath, Lower(longPath + L";" + longDir));
}

// A value stored without its terminating zero is read as the text it holds;
// a process without PATH gets the directory alone.
TEST_F(LauncherTest, UnterminatedValueAndAbsentPath)
{
    const std::wstring dir = L"C:\\NoZero";
    SetNotesPath(L"", dir, static_cast<DWORD>(dir.size() * sizeof(wchar_t)));
    InstallMainProgram();
    const LaunchResult r = Launch(std::nullopt);
    EXPECT_TRUE(r.messages.empty());
    ASSERT_TRUE(r.inheritedPath.has_value());
    EXPECT_EQ(*r.inheritedPath, L"c:\\nozero");
}

// An expandable value names the directory its variables stand for, in the main
// value and in a release's subkey alike.
TEST_F(LauncherTest, ExpandableValueGoesOnPathExpanded)
{
    ::SetEnvironmentVariableW(L"ORBALIN_NOTES_ROOT", L"D:\\Apps");
    const std::pair<const char*, const wchar_t*> cases[] = {{"main value", L""}, {"release subkey", L"Release9"}};
    for (const auto& [name, subKey] : cases) {
        SCOPED_TRACE(name);
        SetUp();
        if (*subKey != 0)
            SetNotesPath(L"", L"");
        SetNotesPath(subKey, L"%ORBALIN_NOTES_ROOT%\\Notes", std::nullopt, REG_EXPAND_SZ);
        InstallMainProgram();
        const LaunchResult r = Launch(std::wstring(kBasePath));
        EXPECT_TRUE(r.messages.empty());
        ASSERT_TRUE(r.inheritedPath.has_value());
        EXPECT_EQ(*r.inheritedPath, Lower(std::wstring(kBasePath) + L";D:\\Apps\\Notes"));
    }
    ::SetEnvironmentVariableW(L"ORBALIN_NOTES_ROOT", nullptr);
}

// An Orbalin.exe that cannot be started: the launcher shows the program's path
// and the system's reason, and ends.
TEST_F(LauncherTest, FailedStartShowsTheSystemReason)
{
    SetNotesPath(L"", L"C:\\Lotus\\Notes");
    const std::wstring program = workDir_ + L"\\Orbalin.exe";
    HANDLE h = ::CreateFileW(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    const char text[] = "not a program";
    DWORD written = 0;
    ::WriteFile(h, text, sizeof(text) - 1, &written, nullptr);
    ::CloseHandle(h);

    const LaunchResult r = Launch(std::wstring(kBasePath));
    EXPECT_EQ(r.exitCode, 0u);
    ASSERT_EQ(r.messages.size(), 1u);
    wchar_t* reason = nullptr;
    ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     ERROR_BAD_EXE_FORMAT, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
    ASSERT_NE(reason, nullptr);
    std::wstring expected = reason;
    ::LocalFree(reason);
    expected.erase(expected.find_last_not_of(L" \r\n") + 1);
    if (const size_t insert = expected.find(L"%1"); insert != std::wstring::npos)
        expected.replace(insert, 2, L"Orbalin.exe");
    EXPECT_EQ(r.messages[0], program + L"\r\n\r\n" + expected);
}

}  // namespace
