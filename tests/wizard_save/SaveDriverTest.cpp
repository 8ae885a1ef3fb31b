#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "C3PavoSaveNsfToPst.h"
#include "SaveDriver.h"

namespace {

// Records what the driver reports.
struct Progress : ISaveProgress {
    std::vector<int> percents;
    std::map<int, std::wstring> status;
    std::map<int, std::wstring> location;
    std::vector<std::wstring> captions;
    void SetCaption(const CString& text) override { captions.emplace_back(text.GetString()); }
    void SetProgress(int percent) override { percents.push_back(percent); }
    void SetRowStatus(int row, const CString& text) override { status[row] = text.GetString(); }
    void SetRowLocation(int row, const CString& path) override { location[row] = path.GetString(); }
};

// Databases named "scanfail" fail their scan, "savefail" their save, "cancel" cancels
// the dialog; "stop" confirms Stop during its save.
struct Steps : ISaveSteps {
    SettingsRecord& settings;
    std::vector<std::wstring> singleFileAnswer;   // per dialog shown: "1" sets the single-file flag
    int dialogs = 0;
    int opens = 0;
    int openWriters = 0;
    int closes = 0;
    bool cancelled = false;
    bool openFails = false;

    explicit Steps(SettingsRecord& s) : settings(s) {}
    std::wstring Current() const { return settings.m_strDatabasePath.GetString(); }

    bool ScanCurrentDatabase(CStringArray& folders) override
    {
        folders.Add(L"($Calendar)\\");
        return Current() != L"scanfail";
    }
    bool AskSaveOptions() override
    {
        const bool single = dialogs < static_cast<int>(singleFileAnswer.size()) && singleFileAnswer[dialogs] == L"1";
        ++dialogs;
        if (Current() == L"cancel")
            return false;
        settings.m_target.nKind = SaveTarget::Pst;
        settings.m_target.strPstPath = (Current() + L".pst").c_str();
        settings.m_bSingleFile = single ? 1 : 0;
        return true;
    }
    bool SaveByTarget(bool open, CString& out) override
    {
        if (open) {
            ++opens;
            if (openFails)
                return false;
            openWriters = 1;
        }
        if (Current() == L"stop")
            cancelled = true;
        out = settings.m_target.strPstPath;
        return Current() != L"savefail" && openWriters == 1;
    }
    void ClosePst() override
    {
        ++closes;
        openWriters = 0;
    }
    bool IsCancelled() const override { return cancelled; }
};

void Choose(SettingsRecord& settings, std::initializer_list<const wchar_t*> names)
{
    CStringArray paths, servers;
    for (const wchar_t* n : names) {
        paths.Add(n);
        servers.Add(L"");
    }
    settings.SetChosenDatabases(paths, servers);
    settings.m_nMode = SettingsRecord::ModeMultiple;
}

TEST(SaveDriver, ProgressIsTheShareOfDatabasesReached)
{
    struct { int count; std::vector<int> percents; } cases[] = {
        {4, {25, 50, 75, 100}}, {3, {33, 66, 100}}, {1, {100}}, {0, {}}};
    for (const auto& c : cases) {
        SettingsRecord settings;
        std::vector<const wchar_t*> names(c.count, L"db");
        CStringArray paths, servers;
        for (auto* n : names) { paths.Add(n); servers.Add(L""); }
        settings.SetChosenDatabases(paths, servers);
        settings.m_nMode = SettingsRecord::ModeMultiple;
        Steps steps(settings);
        Progress progress;
        EXPECT_EQ(SaveDriver(settings, steps, progress).Run(), SaveDriver::Saved);
        EXPECT_EQ(progress.percents, c.percents) << c.count;
    }
}

TEST(SaveDriver, EachRowSaysWhatHappenedToItsDatabase)
{
    SettingsRecord settings;
    Choose(settings, {L"one", L"scanfail", L"cancel", L"savefail", L"two"});
    Steps steps(settings);
    Progress progress;
    EXPECT_EQ(SaveDriver(settings, steps, progress).Run(), SaveDriver::Incomplete);
    EXPECT_EQ(progress.status, (std::map<int, std::wstring>{{0, L"Save Done..."},
                                                            {1, L"Unable to read this file..."},
                                                            {2, L"cancelled by user..."},
                                                            {3, L"Saving failed..."},
                                                            {4, L"Save Done..."}}));
    EXPECT_EQ(progress.location[0], L"one.pst");
    EXPECT_EQ(progress.location[4], L"two.pst");
    EXPECT_EQ(progress.location.count(3), 0u);
    // One dialog per database that was read; every opened writer was closed.
    EXPECT_EQ(steps.dialogs, 4);
    EXPECT_EQ(steps.openWriters, 0);
}

TEST(SaveDriver, SingleTargetAsksOnceAndKeepsTheWriterOpen)
{
    SettingsRecord settings;
    Choose(settings, {L"first", L"second", L"third"});
    Steps steps(settings);
    steps.singleFileAnswer = {L"1"};
    Progress progress;
    EXPECT_EQ(SaveDriver(settings, steps, progress).Run(), SaveDriver::Saved);
    EXPECT_EQ(steps.dialogs, 1);
    EXPECT_EQ(steps.opens, 1);
    EXPECT_EQ(steps.closes, 1);   // at the end only
    EXPECT_EQ(progress.location[2], L"first.pst");
}

TEST(SaveDriver, StopEndsTheLoopBetweenDatabases)
{
    SettingsRecord settings;
    Choose(settings, {L"one", L"stop", L"three", L"four"});
    Steps steps(settings);
    Progress progress;
    SaveDriver(settings, steps, progress).Run();
    EXPECT_EQ(progress.status, (std::map<int, std::wstring>{{0, L"Save Done..."},
                                                            {1, L"cancelled by user..."},
                                                            {2, L"cancelled by user..."},
                                                            {3, L"cancelled by user..."}}));
    EXPECT_EQ(steps.dialogs, 2);   // not shown again after Stop
    EXPECT_EQ(progress.percents, (std::vector<int>{25, 50}));
    EXPECT_EQ(steps.openWriters, 0);
}

TEST(SaveDriver, SingleDatabaseModeReportsAFailedOpenAndClosesTheWriter)
{
    SettingsRecord settings;
    settings.m_nMode = SettingsRecord::ModeSingle;
    settings.m_strDatabasePath = L"db";
    Steps steps(settings);
    steps.openFails = true;
    Progress progress;
    EXPECT_EQ(SaveDriver(settings, steps, progress).Run(), SaveDriver::OpenFailed);
    EXPECT_EQ(progress.captions, (std::vector<std::wstring>{L"Saving File..."}));
    EXPECT_EQ(steps.closes, 1);
    EXPECT_EQ(steps.dialogs, 0);
}

TEST(SaveOutcome, CaptionsAndMessages)
{
    using C = C3PavoSaveNsfToPst;
    EXPECT_EQ(C::OutcomeCaption(false, SaveDriver::Saved).Find(L"Saving Complete , Click Next"), 0);
    EXPECT_TRUE(C::OutcomeMessage(false, SaveDriver::Saved).IsEmpty());
    EXPECT_EQ(C::OutcomeCaption(true, SaveDriver::Saved).Find(L"Process aborted by user , Click Next"), 0);
    EXPECT_EQ(C::OutcomeMessage(true, SaveDriver::Incomplete).Find(L"Process aborted by user , \r\nClick Next"), 0);
    EXPECT_STREQ(C::OutcomeCaption(false, SaveDriver::OpenFailed).GetString(), L"Outlook is not installed or no profile exist");
    EXPECT_EQ(C::OutcomeMessage(false, SaveDriver::OpenFailed).Find(L"Outlook is not installed or no profile exist , \r\n"), 0);
    EXPECT_EQ(C::OutcomeCaption(false, SaveDriver::Incomplete).Find(L"Some files could not be saved"), 0);
    EXPECT_FALSE(C::OutcomeMessage(false, SaveDriver::Incomplete).IsEmpty());
}

}  // namespace
