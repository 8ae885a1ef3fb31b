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

// Databases named "scanfail" fail their scan, "savefail" their save, "partial" save
// only some of their entries, "cancel" cancels the dialog; "stop" confirms Stop during
// its save.
struct Steps : ISaveSteps {
    SettingsRecord& settings;
    std::vector<std::wstring> singleFileAnswer;   // per dialog shown: "1" sets the single-file flag
    int dialogs = 0;
    int opens = 0;
    int openWriters = 0;
    int closes = 0;
    bool cancelled = false;
    SaveResult openResult = SaveResult::Saved;   // anything else: opening the target fails so

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
    SaveResult SaveByTarget(bool open, CString& out) override
    {
        if (open) {
            ++opens;
            if (openResult != SaveResult::Saved)
                return openResult;
            openWriters = 1;
        }
        if (Current() == L"stop")
            cancelled = true;
        out = settings.m_target.strPstPath;
        if (Current() == L"savefail" || openWriters != 1)
            return SaveResult::Failed;
        return Current() == L"partial" ? SaveResult::NotAllSaved : SaveResult::Saved;
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
    Choose(settings, {L"one", L"scanfail", L"cancel", L"savefail", L"two", L"partial"});
    Steps steps(settings);
    Progress progress;
    EXPECT_EQ(SaveDriver(settings, steps, progress).Run(), SaveDriver::Incomplete);
    EXPECT_EQ(progress.status, (std::map<int, std::wstring>{{0, L"Save Done..."},
                                                            {1, L"Unable to read this file..."},
                                                            {2, L"cancelled by user..."},
                                                            {3, L"Saving failed..."},
                                                            {4, L"Save Done..."},
                                                            {5, L"Some items could not be saved..."}}));
    EXPECT_EQ(progress.location[0], L"one.pst");
    EXPECT_EQ(progress.location[4], L"two.pst");
    EXPECT_EQ(progress.location.count(3), 0u);
    // What was saved of a database is where the row says.
    EXPECT_EQ(progress.location[5], L"partial.pst");
    // One dialog per database that was read; every opened writer was closed.
    EXPECT_EQ(steps.dialogs, 5);
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

// Only a missing Outlook session is reported as such; every other failure as what it is.
TEST(SaveDriver, SingleDatabaseModeReportsWhatFailedAndClosesTheWriter)
{
    const struct {
        const wchar_t* database;
        SaveResult openResult;
        SaveDriver::Outcome outcome;
    } cases[] = {
        {L"db", SaveResult::NoSession, SaveDriver::OpenFailed},
        {L"db", SaveResult::Failed, SaveDriver::Failed},
        {L"savefail", SaveResult::Saved, SaveDriver::Failed},
        {L"partial", SaveResult::Saved, SaveDriver::NotAllSaved},
        {L"db", SaveResult::Saved, SaveDriver::Saved},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.outcome));
        SettingsRecord settings;
        settings.m_nMode = SettingsRecord::ModeSingle;
        settings.m_strDatabasePath = c.database;
        Steps steps(settings);
        steps.openResult = c.openResult;
        Progress progress;
        EXPECT_EQ(SaveDriver(settings, steps, progress).Run(), c.outcome);
        EXPECT_EQ(progress.captions, (std::vector<std::wstring>{L"Saving File..."}));
        EXPECT_EQ(steps.closes, 1);
        EXPECT_EQ(steps.dialogs, 0);
    }
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
    // A failed file or a lost item is not blamed on Outlook.
    for (SaveDriver::Outcome outcome : {SaveDriver::Failed, SaveDriver::NotAllSaved}) {
        EXPECT_EQ(C::OutcomeCaption(false, outcome).Find(L"Outlook"), -1);
        EXPECT_EQ(C::OutcomeMessage(false, outcome).Find(L"Outlook"), -1);
        EXPECT_NE(C::OutcomeMessage(false, outcome).Find(L"\r\nClick Next"), -1);
    }
    EXPECT_EQ(C::OutcomeCaption(false, SaveDriver::Failed).Find(L"The file could not be opened for saving , Click Next"), 0);
    EXPECT_EQ(C::OutcomeCaption(false, SaveDriver::NotAllSaved).Find(L"Some items could not be saved , Click Next"), 0);
}

}  // namespace
