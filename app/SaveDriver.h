#pragma once
#include "Framework.h"
#include "SettingsRecord.h"

// What one save into the target came to.
enum class SaveResult {
    Saved,          // everything asked for is in the target
    NotAllSaved,    // the target was written, but some entries or folders did not reach it
    Failed,         // the target could not be opened: nothing was saved
    NoSession,      // no Outlook session or profile to write a PST with
};

// The engine side of a save as the save driver sees it (the main frame's wrappers).
class ISaveSteps {
public:
    virtual ~ISaveSteps() = default;
    // Quiet scan of the current database into folders; false when it failed.
    virtual bool ScanCurrentDatabase(CStringArray& folders) = 0;
    // Runs the Save Options dialog for the current database; true on OK, when the
    // target and the single-file flag of the settings have been written.
    virtual bool AskSaveOptions() = 0;
    virtual SaveResult SaveByTarget(bool bOpenNewTarget, CString& outPath) = 0;
    // Closes and deletes the current PST writer, if any.
    virtual void ClosePst() = 0;
    // Stop was confirmed.
    virtual bool IsCancelled() const = 0;
};

// Where the save driver reports: step 3's status list, caption and database bar.
class ISaveProgress {
public:
    virtual ~ISaveProgress() = default;
    virtual void SetCaption(const CString& text) = 0;
    virtual void SetProgress(int percent) = 0;
    virtual void SetRowStatus(int row, const CString& text) = 0;
    virtual void SetRowLocation(int row, const CString& path) = 0;
};

// The save loop: the chosen folders of one database (mode 1) or every calendar
// folder of each chosen database (mode 2), into the targets the user names.
class SaveDriver {
public:
    enum Outcome {
        Saved,          // everything asked for was saved
        OpenFailed,     // mode 1: no Outlook session or profile to write the PST with
        Incomplete,     // mode 2: a database could not be read or saved
        Failed,         // mode 1: the target could not be opened
        NotAllSaved,    // mode 1: some entries or folders did not reach the target
    };

    static constexpr const wchar_t* kPending = L"Pending...";
    static constexpr const wchar_t* kProcessing = L"Current processing...";
    static constexpr const wchar_t* kDone = L"Save Done...";
    static constexpr const wchar_t* kCancelled = L"cancelled by user...";
    static constexpr const wchar_t* kScanFailed = L"Unable to read this file...";
    static constexpr const wchar_t* kSaveFailed = L"Saving failed...";
    static constexpr const wchar_t* kNotAllSaved = L"Some items could not be saved...";

    SaveDriver(SettingsRecord& settings, ISaveSteps& steps, ISaveProgress& progress)
        : m_settings(settings), m_steps(steps), m_progress(progress) {}

    Outcome Run();

    // Bar position as database index (from 0) of count starts.
    static int DatabasePercent(int index, int count) { return count > 0 ? 100 * (index + 1) / count : 0; }

private:
    Outcome RunMultiple();
    Outcome RunSingle();

    SettingsRecord& m_settings;
    ISaveSteps& m_steps;
    ISaveProgress& m_progress;
};
