#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "C1PavoWelcomeView.h"
#include "CTesselEmlConverterGuiView.h"
#include "InProcessWizard.h"
#include "NsfDatabaseList.h"

namespace {

using Rows = std::vector<std::pair<std::wstring, std::wstring>>;

Rows Of(const NsfDatabaseList& list)
{
    Rows rows;
    for (const auto& row : list.Rows())
        rows.emplace_back(row.strPath.GetString(), row.strServer.GetString());
    return rows;
}

// A CStringArray of the given paths (the array cannot be returned by value).
struct Paths : CStringArray {
    Paths(std::initializer_list<const wchar_t*> paths)
    {
        for (const wchar_t* p : paths)
            Add(p);
    }
};

TEST(DatabaseList, LocalFilesAreRebuiltTopFirstAndKeepOnlyNsf)
{
    NsfDatabaseList list;
    CStringArray duplicates;
    list.AddLocalFiles(Paths({L"C:\\a.nsf", L"C:\\notes.txt", L"C:\\b.NSF"}), duplicates);
    EXPECT_EQ(Of(list), (Rows{{L"C:\\b.NSF", L""}, {L"C:\\a.nsf", L""}}));
    EXPECT_TRUE(duplicates.IsEmpty());

    // A listed path (case aside) is reported and stays one row.
    list.AddLocalFiles(Paths({L"c:\\A.nsf", L"C:\\c.nsf"}), duplicates);
    ASSERT_EQ(duplicates.GetSize(), 1);
    EXPECT_STREQ(duplicates[0].GetString(), L"c:\\A.nsf");
    EXPECT_EQ(Of(list), (Rows{{L"C:\\c.nsf", L""}, {L"C:\\a.nsf", L""}, {L"C:\\b.NSF", L""}}));
}

TEST(DatabaseList, ServerFilesAreRowsOfTheirOwn)
{
    NsfDatabaseList list;
    CStringArray duplicates;
    list.AddLocalFiles(Paths({L"MAIL\\BSMITH.NSF"}), duplicates);
    list.AddServerFiles(L"MAIL01/ACME", Paths({L"MAIL\\BSMITH.NSF", L"MAIL\\X.NSF"}));
    // Again from the same server: nothing new; the same path on another server is new.
    list.AddServerFiles(L"mail01/acme", Paths({L"MAIL\\X.NSF"}));
    list.AddServerFiles(L"APPS01/ACME", Paths({L"MAIL\\X.NSF"}));
    EXPECT_EQ(Of(list), (Rows{{L"MAIL\\X.NSF", L"APPS01/ACME"},
                              {L"MAIL\\X.NSF", L"MAIL01/ACME"},
                              {L"MAIL\\BSMITH.NSF", L"MAIL01/ACME"},
                              {L"MAIL\\BSMITH.NSF", L""}}));
    EXPECT_FALSE(list.IsNotInList(L"mail\\x.nsf", L"Apps01/Acme"));
    EXPECT_TRUE(list.IsNotInList(L"MAIL\\X.NSF", L""));

    CStringArray paths, servers;
    list.GetChosen(paths, servers);
    ASSERT_EQ(paths.GetSize(), 4);
    EXPECT_STREQ(paths[3].GetString(), L"MAIL\\BSMITH.NSF");
    EXPECT_STREQ(servers[0].GetString(), L"APPS01/ACME");
    EXPECT_STREQ(servers[3].GetString(), L"");
}

TEST(DatabaseList, RemoveSelectedRows)
{
    NsfDatabaseList list;
    CStringArray duplicates;
    list.AddLocalFiles(Paths({L"a.nsf", L"b.nsf", L"c.nsf", L"d.nsf"}), duplicates);   // shown d c b a
    EXPECT_FALSE(list.RemoveRows({}));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_TRUE(list.RemoveRows({2, 0, 2}));
    EXPECT_EQ(Of(list), (Rows{{L"c.nsf", L""}, {L"a.nsf", L""}}));
}

TEST(DatabaseList, PreviewRefusals)
{
    const NsfDatabaseList::Row local{L"C:\\a.nsf", L""};
    const NsfDatabaseList::Row domino{L"MAIL\\A.NSF", L"MAIL01/ACME"};
    const NsfDatabaseList::Row other{L"C:\\a.txt", L""};
    EXPECT_STREQ(C1PavoWelcomeView::PreviewRefusal(nullptr).GetString(), L"Please select file from list to see preview");
    EXPECT_EQ(C1PavoWelcomeView::PreviewRefusal(&domino).Find(L"Preview of Domino Server file is not available."), 0);
    EXPECT_STREQ(C1PavoWelcomeView::PreviewRefusal(&other).GetString(), L"Please enter .NSF file");
    EXPECT_TRUE(C1PavoWelcomeView::PreviewRefusal(&local).IsEmpty());
}

// Answers, from a thread of its own, every message box this process shows, and
// keeps their texts in the order they came.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() : m_thread([this] { Run(); }) {}
    ~MessageBoxAnswerer()
    {
        m_stop = true;
        m_thread.join();
    }
    std::vector<std::wstring> TakeTexts()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return std::exchange(m_texts, {});
    }

private:
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam)
    {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        wchar_t cls[32] = {};
        ::GetClassNameW(hwnd, cls, 32);
        if (pid == ::GetCurrentProcessId() && std::wstring(cls) == L"#32770" && ::IsWindowVisible(hwnd))
            reinterpret_cast<MessageBoxAnswerer*>(lParam)->Answer(hwnd);
        return TRUE;
    }
    void Answer(HWND box)
    {
        if (!m_answered.insert(box).second)
            return;
        wchar_t text[512] = {};
        ::GetDlgItemTextW(box, 0xFFFF, text, 512);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_texts.push_back(text);
        }
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    void Run()
    {
        while (!m_stop) {
            ::EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
            ::Sleep(20);
        }
    }

    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<std::wstring> m_texts;
    std::set<HWND> m_answered;
    std::thread m_thread;
};

// Step 1 inside the real wizard, built in-process over the Notes stand-in.
class Step1InTheWizard : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(InProcessWizard::Start(L"Orbalin Step1 Tests " + std::to_wstring(::GetCurrentProcessId())));
    }
    static void TearDownTestSuite() { InProcessWizard::Stop(); }

    static C1PavoWelcomeView& Step1()
    {
        auto* pMain = static_cast<CTesselEmlConverterGuiView*>(InProcessWizard::Frame().GetMainView());
        return *static_cast<C1PavoWelcomeView*>(pMain->GetStepView(0));
    }
};

TEST_F(Step1InTheWizard, FilesChosenFromTheNetworkAreWarnedAbout)
{
    const std::wstring warning = L"You are selecting the file from network. \r\nIt's advisable to copy the file to local "
                                 L"computer for better saving results ";
    struct Case {
        const char* name;
        Paths chosen;
        std::vector<std::wstring> messages;
    };
    const Case cases[] = {
        {"local file", {L"C:\\mail\\a.nsf"}, {}},
        {"file on a share", {L"\\\\server\\share\\b.nsf"}, {warning}},
        {"listed again", {L"\\\\server\\share\\b.nsf"}, {L"\\\\server\\share\\b.nsf already exist in the list", warning}},
    };
    MessageBoxAnswerer answerer;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Step1().AddChosenFiles(c.chosen);
        EXPECT_EQ(answerer.TakeTexts(), c.messages);
    }
    EXPECT_EQ(Step1().GetDatabaseList().Count(), 2);
}

}  // namespace
