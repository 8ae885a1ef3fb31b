#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CXTPShortcutManager.h"
#include "RegistryScratch.h"

namespace
{
constexpr BYTE kCtrl = FVIRTKEY | FCONTROL;

std::vector<ACCEL> Entries(HACCEL hAccel)
{
    std::vector<ACCEL> entries(hAccel ? CopyAcceleratorTableW(hAccel, nullptr, 0) : 0);
    if (!entries.empty())
        CopyAcceleratorTableW(hAccel, entries.data(), static_cast<int>(entries.size()));
    return entries;
}

bool SameEntries(const std::vector<ACCEL>& a, const std::vector<ACCEL>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].fVirt != b[i].fVirt || a[i].key != b[i].key || a[i].cmd != b[i].cmd)
            return false;
    return true;
}

HACCEL Table(std::vector<ACCEL> entries)
{
    return CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size()));
}
} // namespace

TEST(ShortcutManager, KeyTextsAndPriorities)
{
    CXTPShortcutManager manager(nullptr);
    const struct {
        BYTE fVirt;
        WORD key;
        const wchar_t* text;
        int priority;
    } cases[] = {
        {FVIRTKEY | FCONTROL | FSHIFT, VK_F5, L"Ctrl+Shift+F5", 3},
        {FVIRTKEY | FALT, VK_DELETE, L"Alt+Del", 2},
        {FVIRTKEY | FSHIFT, VK_F12, L"Shift+F12", 1},
        {FVIRTKEY, VK_NUMPAD7, L"Num 7", 4},
        {FVIRTKEY | FALT | FSHIFT, 'Q', L"Shift+Alt+Q", 2},
        {kCtrl, VK_CANCEL, L"Ctrl+Break", 3},        // no second Ctrl
        {FCONTROL | FSHIFT | FALT, 0, L"Ctrl+Shift+Alt", 3},   // no trailing "+"
        {FVIRTKEY, 0, L"", 4},                       // nothing at all: nothing to cut
        {0, 0, L"", 4},
        {FCONTROL, 'x', L"Ctrl+x", 3},               // a character accelerator
        {0, VK_ESCAPE, L"", 4},                      // characters Esc and Tab have no text
        {FSHIFT, VK_TAB, L"Shift+", 1},
        {0, 0xE9, L"\u00e9", 4},
    };
    for (const auto& c : cases) {
        const ACCEL accel{c.fVirt, c.key, 1};
        CString text = L"old";
        int priority = 0;
        manager.FormatAccelerator(text, accel, &priority);
        EXPECT_STREQ(c.text, text.GetString()) << "flags " << int(c.fVirt) << " key " << c.key;
        EXPECT_EQ(c.priority, priority) << c.text;
    }
}

TEST(ShortcutManager, KeysWithoutANameAreLeftOut)
{
    class NoShiftName : public CXTPShortcutManager
    {
    public:
        NoShiftName() : CXTPShortcutManager(nullptr) {}
        CString GetKeyName(UINT nKey) override { return nKey == VK_SHIFT ? CString() : CXTPShortcutManager::GetKeyName(nKey); }
    } manager;
    const struct {
        BYTE fVirt;
        WORD key;
        const wchar_t* text;
    } cases[] = {
        {FVIRTKEY | FCONTROL | FSHIFT, VK_F5, L"Ctrl+F5"},
        {FVIRTKEY | FSHIFT, VK_F5, L"F5"},
        {FVIRTKEY | FCONTROL, VK_SHIFT, L"Ctrl+"},
        {FSHIFT, 0, L""},
    };
    for (const auto& c : cases) {
        CString text;
        manager.FormatAccelerator(text, ACCEL{c.fVirt, c.key, 1});
        EXPECT_STREQ(c.text, text.GetString());
    }
}

TEST(ShortcutManager, KeyNamesComeFromTheTableOrTheKeyboardDriver)
{
    CXTPShortcutManager manager(nullptr);
    EXPECT_EQ(CString(L"Page Down"), manager.GetKeyName(VK_NEXT));
    EXPECT_EQ(CString(L"7"), manager.GetKeyName('7'));
    EXPECT_EQ(CString(L"Num /"), manager.GetKeyName(VK_DIVIDE));
    EXPECT_TRUE(CXTPShortcutManager::GetSystemKeyName(VK_CANCEL).IsEmpty());

    // The driver's text: lower case with the first letter raised.
    const CString driver = CXTPShortcutManager::GetSystemKeyName(VK_NEXT);
    ASSERT_FALSE(driver.IsEmpty());
    CString lowered = driver;
    lowered.MakeLower();
    EXPECT_EQ(lowered.Mid(1), driver.Mid(1));
    EXPECT_TRUE(IsCharUpperW(driver[0])) << driver.GetString();

    // A key the table does not name falls back to the driver.
    EXPECT_EQ(CXTPShortcutManager::GetSystemKeyName(VK_OEM_1), manager.GetKeyName(VK_OEM_1));
    manager.m_bUseSystemKeyNameText = TRUE;
    EXPECT_EQ(driver, manager.GetKeyName(VK_NEXT));
}

TEST(ShortcutManager, PlainEscIsRefusedUnlessAllowed)
{
    CXTPShortcutManager manager(nullptr);
    const struct {
        BYTE fVirt;
        WORD key;
        BOOL allowed;
        BOOL allowedWithEsc;
    } cases[] = {
        {FVIRTKEY, VK_ESCAPE, FALSE, TRUE},
        {FVIRTKEY | FSHIFT, VK_ESCAPE, TRUE, TRUE},
        {kCtrl, VK_ESCAPE, TRUE, TRUE},
        {0, VK_ESCAPE, TRUE, TRUE},   // the character code 27
        {FVIRTKEY, VK_F1, TRUE, TRUE},
    };
    for (const auto& c : cases) {
        const ACCEL accel{c.fVirt, c.key, 1};
        manager.m_bAllowEscapeShortcut = FALSE;
        EXPECT_EQ(c.allowed, manager.IsAllowedAccelerator(accel)) << int(c.fVirt);
        manager.m_bAllowEscapeShortcut = TRUE;
        EXPECT_EQ(c.allowedWithEsc, manager.IsAllowedAccelerator(accel)) << int(c.fVirt);
    }
}

TEST(ShortcutManager, ACommandIsShownByItsStrongestKeyUnlessTheCallersIsOneOfIts)
{
    CXTPShortcutManager manager(nullptr);
    const std::vector<ACCEL> entries{
        {FVIRTKEY | FSHIFT, VK_F12, 100}, {kCtrl, 'S', 100}, {kCtrl, 'P', 200}, {kCtrl, 'Q', 200}, {FVIRTKEY, VK_F5, 300},
        {kCtrl, 'R', 300},
    };
    ASSERT_TRUE(manager.SetAccelerators(entries.data(), static_cast<int>(entries.size())));
    const struct {
        UINT cmd;
        const wchar_t* given;
        BOOL found;
        const wchar_t* text;
    } cases[] = {
        {100, L"", TRUE, L"Ctrl+S"},
        {100, L"Shift+F12", TRUE, L"Shift+F12"},
        {100, L"Alt+X", TRUE, L"Ctrl+S"},
        {200, L"", TRUE, L"Ctrl+P"},   // equal priorities: the first
        {300, L"", TRUE, L"F5"},       // a key without modifiers ranks highest
        {400, L"Ctrl+S", FALSE, L""},
    };
    for (const auto& c : cases) {
        CString text = c.given;
        EXPECT_EQ(c.found, manager.FindDefaultAccelerator(c.cmd, text)) << c.cmd << " " << c.given;
        EXPECT_STREQ(c.text, text.GetString()) << c.cmd << " " << c.given;
    }

    CXTPShortcutManager empty(nullptr);
    CString text = L"Ctrl+S";
    EXPECT_FALSE(empty.FindDefaultAccelerator(100, text));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(ShortcutManager, TablesAreReplacedWholeAndResetToTheDefault)
{
    CXTPShortcutManager manager(nullptr);
    EXPECT_EQ(nullptr, manager.GetAcceleratorTable());
    manager.ResetAccelerators();
    EXPECT_EQ(nullptr, manager.GetAcceleratorTable()) << "no default: no table";
    EXPECT_EQ(nullptr, CXTPShortcutManager::CopyAcceleratorTable(nullptr));

    const std::vector<ACCEL> defaults{{kCtrl, 'S', 100}, {kCtrl, 'O', 101}};
    HACCEL hDefault = Table(defaults);
    manager.SetDefaultAccelerators(hDefault);
    DestroyAcceleratorTable(hDefault);
    EXPECT_TRUE(SameEntries(defaults, Entries(manager.GetAcceleratorTable())));

    const std::vector<ACCEL> custom{{kCtrl, 'K', 100}};
    ASSERT_TRUE(manager.SetAccelerators(custom.data(), 1));
    EXPECT_TRUE(SameEntries(custom, Entries(manager.GetAcceleratorTable())));

    // A table that cannot be made leaves the one in use.
    EXPECT_FALSE(manager.SetAccelerators(custom.data(), 0));
    EXPECT_FALSE(manager.SetAccelerators(nullptr, 3));
    EXPECT_TRUE(SameEntries(custom, Entries(manager.GetAcceleratorTable())));

    manager.ResetAccelerators();
    EXPECT_TRUE(SameEntries(defaults, Entries(manager.GetAcceleratorTable())));
    EXPECT_NE(manager.GetDefaultAccelerators(), manager.GetAcceleratorTable()) << "a copy, not the default itself";
}

namespace
{
UINT g_lastCommand = 0;

LRESULT CALLBACK CommandSink(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        g_lastCommand = LOWORD(wParam);
    return DefWindowProcW(hWnd, message, wParam, lParam);
}
} // namespace

TEST(ShortcutManager, TranslatesKeysExceptInPrintPreview)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = CommandSink;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrbalinShortcutSink";
    RegisterClassW(&wc);
    HWND hWnd = CreateWindowW(wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hWnd);

    CXTPShortcutManager manager(nullptr);
    MSG msg{hWnd, WM_KEYDOWN, VK_F5, 1, 0, {}};
    EXPECT_FALSE(manager.TranslateAccelerator(hWnd, &msg)) << "no table";

    const ACCEL f5{FVIRTKEY, VK_F5, 300};
    ASSERT_TRUE(manager.SetAccelerators(&f5, 1));
    const struct {
        int previewChange;   // +1 enter, -1 leave, 0 none
        bool translated;
    } steps[] = {{0, true}, {+1, false}, {+1, false}, {-1, false}, {-1, true}};
    for (const auto& s : steps) {
        if (s.previewChange)
            manager.OnPreviewMode(s.previewChange > 0);
        g_lastCommand = 0;
        EXPECT_EQ(s.translated, manager.TranslateAccelerator(hWnd, &msg) != FALSE);
        EXPECT_EQ(s.translated ? 300u : 0u, g_lastCommand);
    }
    DestroyWindow(hWnd);
}

class ShortcutProfile : public testing::Test
{
protected:
    ShortcutProfile()
    {
        m_key = L"OrbalinShortcutsTest" + std::to_wstring(GetCurrentProcessId());
        m_app = std::make_unique<CWinApp>(L"App");
        m_app->SetRegistryKey(m_key.c_str());
    }
    ~ShortcutProfile() override
    {
        m_app.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + m_key).c_str());
    }
    std::wstring SectionPath() const { return L"Software\\" + m_key + L"\\App\\CommandBars"; }
    bool HasValue() const
    {
        return RegGetValueW(HKEY_CURRENT_USER, SectionPath().c_str(), L"Accelerators", RRF_RT_ANY, nullptr, nullptr,
                            nullptr) == ERROR_SUCCESS;
    }
    void SetRaw(std::vector<BYTE> bytes)
    {
        m_app->WriteProfileBinary(L"CommandBars", L"Accelerators", bytes.data(), static_cast<UINT>(bytes.size()));
    }
    // A manager whose default table is the two keys below.
    std::unique_ptr<CXTPShortcutManager> ManagerWithDefaults() const
    {
        auto manager = std::make_unique<CXTPShortcutManager>(nullptr);
        HACCEL hDefault = Table(m_defaults);
        manager->SetDefaultAccelerators(hDefault);
        DestroyAcceleratorTable(hDefault);
        return manager;
    }

    std::wstring m_key;
    std::unique_ptr<CWinApp> m_app;
    const std::vector<ACCEL> m_defaults{{kCtrl, 'S', 100}, {FVIRTKEY, VK_F5, 300}};
};

TEST_F(ShortcutProfile, WithoutADefaultTableNothingIsStoredOrLoaded)
{
    CXTPShortcutManager manager(nullptr);
    const ACCEL key{kCtrl, 'S', 100};
    manager.SetAccelerators(&key, 1);
    manager.SaveShortcuts(L"CommandBars");
    EXPECT_FALSE(HasValue());

    SetRaw({FVIRTKEY, 0, VK_F9, 0, 7, 0});
    manager.LoadShortcuts(L"CommandBars");
    EXPECT_TRUE(SameEntries({key}, Entries(manager.GetAcceleratorTable())));
}

TEST_F(ShortcutProfile, CustomizedKeysAreStoredAsEntriesAndLoadedAgain)
{
    auto manager = ManagerWithDefaults();
    const std::vector<ACCEL> custom{{kCtrl, 'S', 100}, {FVIRTKEY | FALT, VK_F4, 0xE141}};
    manager->SetAccelerators(custom.data(), 2);
    manager->SaveShortcuts(L"CommandBars");

    const std::string reg = testsupport::RegQuery(SectionPath());
    EXPECT_NE(reg.find("Accelerators    REG_BINARY    0900530064001100730041E1"), std::string::npos) << reg;

    auto restarted = ManagerWithDefaults();
    restarted->LoadShortcuts(L"CommandBars");
    EXPECT_TRUE(SameEntries(custom, Entries(restarted->GetAcceleratorTable())));
}

TEST_F(ShortcutProfile, ValuesThatAreNotWholeEntriesAreIgnored)
{
    const struct {
        const char* what;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"empty", {}},
        {"five bytes", {FVIRTKEY, 0, VK_F9, 0, 7}},
        {"seven bytes", {FVIRTKEY, 0, VK_F9, 0, 7, 0, 1}},
    };
    for (const auto& c : cases) {
        SetRaw(c.bytes);
        auto manager = ManagerWithDefaults();
        manager->LoadShortcuts(L"CommandBars");
        EXPECT_TRUE(SameEntries(m_defaults, Entries(manager->GetAcceleratorTable()))) << c.what;
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, SectionPath().c_str());
    auto manager = ManagerWithDefaults();
    manager->LoadShortcuts(L"CommandBars");
    EXPECT_TRUE(SameEntries(m_defaults, Entries(manager->GetAcceleratorTable()))) << "missing";
}

TEST(ShortcutKeys, KeysForCharacters)
{
    const struct {
        wchar_t ch;
        UINT key;
        BOOL expected;
    } cases[] = {
        {L'a', 'A', TRUE}, {L'A', 'A', TRUE}, {L'b', 'A', FALSE}, {L'1', '1', TRUE},
        {L'p', VK_F1, FALSE},   // F1's code is that of 'p', but F1 makes no character
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, CXTPShortcutManager::IsKeyForCharacter(c.ch, c.key)) << char(c.ch) << " " << c.key;
}
