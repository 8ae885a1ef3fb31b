// The saving road driven from outside: the program runs under Wine, this test finds
// its windows and clicks, types and reads as a user would. The files saved are
// checked by check_wizard_saves.py with the independent readers (manifests below).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <cstdio>

#include <algorithm>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "OrbalinProcess.h"
#include "TestPaths.h"
#include "WindowCapture.h"
#include "WizardDriver.h"

namespace {

constexpr int kViewId = 0xE900;   // the frame's view pane
constexpr int kTabControlId = 100;
constexpr int kFirstStepId = 59648;
constexpr UINT kExportCommand = 32775;
constexpr int kStopButton = 4;
constexpr int kNextButton = 1;

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

std::wstring Folder(const std::wstring& path)
{
    ::CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

// Empties a folder of the files an earlier run saved there.
void RemoveFiles(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ::DeleteFileW((folder + L"\\" + data.cFileName).c_str());
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The sample database a Save Options dialog names in its information text.
std::wstring DatabaseName(const std::wstring& information)
{
    for (const wchar_t* name : {L"amueller", L"failures", L"bsmith"})
        if (Lower(information).find(name) != std::wstring::npos)
            return name;
    return L"unknown";
}

class WizardSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_out = Folder(testsupport::TestOutputPath(L"wizard_save"));
        // The bundled databases stay as they are: the program works on copies.
        m_mail = Folder(Folder(m_out + L"\\scratch") + L"\\mail");
        const std::wstring source = Widen(ORBALIN_TEST_SOURCE_DIR) + L"\\resources\\sample-data\\mail\\";
        for (const wchar_t* name : {L"amueller.nsf", L"failures.nsf"})
            ASSERT_TRUE(::CopyFileW((source + name).c_str(), (m_mail + L"\\" + name).c_str(), FALSE));
        ASSERT_TRUE(m_program.Start(NOTES_CLIENT_DIR, m_mail));
        m_frame = m_program.WaitForMainWindow();
        ASSERT_NE(nullptr, m_frame);
        m_driver = std::make_unique<WizardDriver>(m_program);
        // The frame shows before its view has made the step pages.
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return ::IsWindowVisible(Step(0)) != FALSE; }));
    }

    void TearDown() override
    {
        if (m_frame == nullptr || !::IsWindow(m_frame))
            return;
        ::PostMessageW(m_frame, WM_CLOSE, 0, 0);
        if (HWND box = m_program.WaitForMessageBox(L"Are you sure , You want to close the software?", 10000))
            PressButton(box, IDYES);
        EXPECT_TRUE(m_program.WaitForExit(20000));
    }

    // The step views are the pages of the main view's tab control (id 100).
    HWND Step(int index) const
    {
        return ::GetDlgItem(::GetDlgItem(::GetDlgItem(m_frame, kViewId), kTabControlId), kFirstStepId + index);
    }
    HWND StepList(int index) const { return WizardDriver::ChildOfClass(Step(index), WC_LISTVIEWW); }

    testsupport::WindowCapture Shot(HWND window, const std::wstring& name) const
    {
        ::Sleep(500);
        testsupport::WindowCapture shot = testsupport::WindowCapture::FromWindow(window, false);
        shot.SavePng(m_out + L"\\" + name + L".png");
        return shot;
    }

    // Picks files of the scratch mail folder in the dialog of "Add File(s)"; the dialog
    // may open in whatever folder was used last, so it is taken there first.
    void AddLocalFiles(const std::wstring& names)
    {
        WizardDriver::Click(Step(0), 100);
        HWND dialog = m_driver->WaitForDialog(L"Open");
        ASSERT_NE(nullptr, dialog);
        HWND edit = ::GetDlgItem(dialog, 0x47C);
        if (edit != nullptr && WizardDriver::ChildOfClass(edit, L"Edit") != nullptr)
            edit = WizardDriver::ChildOfClass(edit, L"Edit");
        if (edit == nullptr)
            edit = ::GetDlgItem(dialog, 0x480);
        ASSERT_NE(nullptr, edit);
        WizardDriver::SetText(edit, m_mail);
        WizardDriver::Click(dialog, IDOK);
        ::Sleep(500);
        ASSERT_TRUE(::IsWindow(dialog));
        WizardDriver::SetText(edit, names);
        WizardDriver::Click(dialog, IDOK);
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return !::IsWindow(dialog); }));
    }

    // Lists the servers, clicks Mail01 and adds its ticked databases.
    void AddDominoDatabase(bool screenshot)
    {
        WizardDriver::Click(Step(0), 500);
        HWND dialog = m_driver->WaitForDialog(L"Domino Server File Selection");
        ASSERT_NE(nullptr, dialog);
        HWND servers = ::GetDlgItem(dialog, 1010);
        HWND files = ::GetDlgItem(dialog, 1009);

        // Add before any listing is refused.
        WizardDriver::Click(dialog, 1019);
        HWND box = m_program.WaitForMessageBox(L"Please select file from the list");
        ASSERT_NE(nullptr, box);
        PressButton(box, IDOK);

        WizardDriver::Click(dialog, 1003);
        box = m_program.WaitForMessageBox(
            L"The enumeration of server information can take several minutes\r\n\r\nDo you want to enumerate the server now?");
        ASSERT_NE(nullptr, box);
        PressButton(box, IDYES);
        ASSERT_TRUE(WizardDriver::WaitFor([&] {
            return m_driver->ItemCount(servers) == 2 && ::IsWindowVisible(::GetDlgItem(dialog, 1003));
        }));
        const std::vector<std::wstring> names = m_driver->Column(servers, 0);
        const auto mail = std::find(names.begin(), names.end(), L"MAIL01/ACME");
        ASSERT_NE(mail, names.end());
        ASSERT_TRUE(m_driver->ClickItem(servers, static_cast<int>(mail - names.begin())));
        ASSERT_TRUE(WizardDriver::WaitFor([&] {
            return m_driver->ItemCount(files) == 1 && ::IsWindowVisible(::GetDlgItem(dialog, 1003));
        }));
        EXPECT_EQ(m_driver->ItemText(files, 0, 0), L"MAIL\\BSMITH.NSF");
        EXPECT_TRUE(m_driver->IsChecked(files, 0));
        if (screenshot) {
            testsupport::WindowCapture shot = Shot(dialog, L"domino-listing");
            EXPECT_FALSE(shot.IsEmpty());
            EXPECT_LT(shot.CountColor(shot.Bounds(), RGB(0, 0, 0), 4), shot.Width() * shot.Height() / 4);
        }
        WizardDriver::Click(dialog, 1019);
        box = m_driver->WaitForDialogText(0xFFFF, L"Selected Files are added");
        ASSERT_NE(nullptr, box);
        PressButton(box, IDOK);
        WizardDriver::Click(dialog, 1020);
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return !::IsWindow(dialog); }));
    }

    // Fills the Save Options dialog and presses OK; answers the database it named.
    std::wstring AnswerSaveOptions(HWND dialog, int target, const std::wstring& folder, const std::wstring& name,
                                   bool singleFile, const std::wstring& screenshot = {})
    {
        const std::wstring database = DatabaseName(WizardDriver::Text(::GetDlgItem(dialog, 1028)));
        const int button = target == 0 ? 1012 : target == 1 ? 1011 : 1005;
        ::SendMessageW(::GetDlgItem(dialog, button), BM_SETCHECK, BST_CHECKED, 0);
        WizardDriver::Click(dialog, button);
        const int folderEdit = target == 0 ? 1000 : target == 1 ? 1003 : 1007;
        WizardDriver::SetText(::GetDlgItem(dialog, folderEdit), folder);
        WizardDriver::SetText(::GetDlgItem(dialog, folderEdit + 1), name);
        ::SendMessageW(::GetDlgItem(dialog, 1027), BM_SETCHECK, singleFile ? BST_CHECKED : BST_UNCHECKED, 0);
        if (!screenshot.empty()) {
            testsupport::WindowCapture shot = Shot(dialog, screenshot);
            EXPECT_TRUE(shot.HasTextLikePixels(shot.Bounds(), 200));
        }
        WizardDriver::Click(dialog, IDOK);
        return database;
    }

    void Export() { ::PostMessageW(m_frame, WM_COMMAND, MAKEWPARAM(kExportCommand, 0), 0); }

    HWND WaitForSavingComplete() const { return m_driver->WaitForDialogText(100, L"Saving Complete", 120000); }

    void WriteManifest(const std::wstring& name, const std::vector<std::string>& lines) const
    {
        FILE* file = _wfopen((m_out + L"\\" + name + L".manifest").c_str(), L"wb");
        ASSERT_NE(nullptr, file);
        for (const std::string& line : lines)
            std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

    std::wstring m_out;
    std::wstring m_mail;
    OrbalinProcess m_program;
    HWND m_frame = nullptr;
    std::unique_ptr<WizardDriver> m_driver;
};

TEST_F(WizardSave, EachDatabaseIntoItsOwnPst)
{
    const std::wstring pstDir = Folder(m_out + L"\\pst");
    RemoveFiles(pstDir);

    // Nothing listed: the export is refused.
    Export();
    HWND box = m_program.WaitForMessageBox(L"Please add NSF file(s) to the list before exporting");
    ASSERT_NE(nullptr, box);
    PressButton(box, IDOK);

    AddLocalFiles(L"\"amueller.nsf\" \"failures.nsf\"");
    AddDominoDatabase(true);
    HWND list = StepList(0);
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return m_driver->ItemCount(list) == 3; }));
    // The Domino database on top, then the files in reverse order of choice.
    EXPECT_EQ(m_driver->Column(list, 0),
              (std::vector<std::wstring>{L"MAIL\\BSMITH.NSF", m_mail + L"\\failures.nsf", m_mail + L"\\amueller.nsf"}));
    EXPECT_EQ(m_driver->Column(list, 1), (std::vector<std::wstring>{L"MAIL01/ACME", L"", L""}));
    {
        testsupport::WindowCapture shot = Shot(Step(0), L"step1-files");
        RECT rows{230, 70, 600, 130};
        EXPECT_TRUE(shot.HasTextLikePixels(rows, 100));
    }

    Export();
    std::vector<std::string> manifest;
    HWND steps3List = StepList(2);
    for (int i = 0; i < 3; ++i) {
        HWND dialog = m_driver->WaitForDialog(L"Save Options", 60000);
        ASSERT_NE(nullptr, dialog) << "dialog " << i;
        if (i == 1) {
            // During the save: the first database is done, the second in hand.
            testsupport::WindowCapture shot = Shot(Step(2), L"step3-during");
            EXPECT_TRUE(shot.HasTextLikePixels(RECT{260, 30, 700, 90}, 100));
            const std::vector<std::wstring> status = m_driver->Column(steps3List, 1);
            ASSERT_EQ(status.size(), 3u);
            EXPECT_EQ(status[0], L"Save Done...");
            EXPECT_EQ(status[1], L"Current processing...");
            EXPECT_EQ(status[2], L"Pending...");
        }
        const std::wstring name = L"db" + std::to_wstring(i);
        const std::wstring database =
            AnswerSaveOptions(dialog, 0, pstDir, name, false, i == 0 ? L"save-options" : L"");
        manifest.push_back("pst\tpst/" + Narrow(name) + ".pst\t" + Narrow(database));
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return !::IsWindow(dialog); }));
    }
    HWND complete = WaitForSavingComplete();
    ASSERT_NE(nullptr, complete);
    {
        // The end-of-save notice is white, not the grey of a plain dialog.
        Shot(complete, L"saving-complete");
        testsupport::WindowCapture client = testsupport::WindowCapture::FromWindow(complete, true);
        EXPECT_TRUE(client.IsMostlyColor(client.Bounds(), RGB(255, 255, 255), 0.7, 2));
    }
    EXPECT_EQ(m_driver->Column(steps3List, 1),
              (std::vector<std::wstring>{L"Save Done...", L"Save Done...", L"Save Done..."}));
    EXPECT_EQ(m_driver->Column(steps3List, 2), (std::vector<std::wstring>{L"MAIL01/ACME", L"", L""}));
    const std::vector<std::wstring> locations = m_driver->Column(steps3List, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(locations[i], pstDir + L"\\db" + std::to_wstring(i) + L".pst");
    PressButton(complete, IDOK);
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return ::IsWindowVisible(::GetDlgItem(Step(2), 3)); }));   // Exit back
    {
        testsupport::WindowCapture shot = Shot(Step(2), L"step3-after");
        // The caption's pale yellow ground with its red text.
        const int c = shot.Height() / 2;
        EXPECT_GT(shot.CountColor(RECT{260, c - 78, 800, c - 42}, RGB(0xFF, 0xFE, 0xEF), 2), 1000);
        EXPECT_GT(shot.CountColor(RECT{260, c - 78, 800, c - 42}, RGB(0xFF, 0, 0), 80), 50);
    }
    WriteManifest(L"pst-run", manifest);
}

TEST_F(WizardSave, AllDatabasesIntoOneWorkbookThenOneCsvFile)
{
    const std::wstring sheetDir = Folder(m_out + L"\\sheets");
    RemoveFiles(sheetDir);
    AddLocalFiles(L"\"amueller.nsf\" \"failures.nsf\"");
    AddDominoDatabase(false);
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return m_driver->ItemCount(StepList(0)) == 3; }));

    std::vector<std::string> manifest;
    for (int target : {1, 2}) {
        Export();
        HWND dialog = m_driver->WaitForDialog(L"Save Options", 60000);
        ASSERT_NE(nullptr, dialog);
        AnswerSaveOptions(dialog, target, sheetDir, L"calendar", true);
        // Asked once: the later databases go into the same file.
        HWND complete = WaitForSavingComplete();
        ASSERT_NE(nullptr, complete);
        HWND list = StepList(2);
        EXPECT_EQ(m_driver->Column(list, 1),
                  (std::vector<std::wstring>{L"Save Done...", L"Save Done...", L"Save Done..."}));
        const std::wstring file = sheetDir + (target == 1 ? L"\\calendar.xls" : L"\\calendar.csv");
        for (const std::wstring& location : m_driver->Column(list, 3))
            EXPECT_EQ(location, file);
        std::string order;
        for (const std::wstring& path : m_driver->Column(list, 0))
            order += (order.empty() ? "" : ",") + Narrow(DatabaseName(path));
        manifest.push_back(std::string(target == 1 ? "xls\tsheets/calendar.xls\t" : "csv\tsheets/calendar.csv\t") + order);
        PressButton(complete, IDOK);
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return ::IsWindowVisible(::GetDlgItem(Step(2), 3)); }));
        ASSERT_TRUE(Exists(file));
        // Next leads back to step 1 with its list kept.
        WizardDriver::Click(Step(2), kNextButton);
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return ::IsWindowVisible(Step(0)); }));
        EXPECT_EQ(m_driver->ItemCount(StepList(0)), 3);
    }
    WriteManifest(L"sheet-run", manifest);
}

TEST_F(WizardSave, StopInTheMiddleLeavesAReadablePstAndSaysWhatHappened)
{
    const std::wstring stopDir = Folder(m_out + L"\\stop");
    RemoveFiles(stopDir);
    // The larger database first, so that Stop lands in its save.
    AddLocalFiles(L"\"failures.nsf\" \"amueller.nsf\"");
    HWND list = StepList(0);
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return m_driver->ItemCount(list) == 2; }));
    ASSERT_EQ(m_driver->ItemText(list, 0, 0), m_mail + L"\\amueller.nsf");

    Export();
    HWND dialog = m_driver->WaitForDialog(L"Save Options", 60000);
    ASSERT_NE(nullptr, dialog);
    AnswerSaveOptions(dialog, 0, stopDir, L"stopped", false);
    const std::wstring pst = stopDir + L"\\stopped.pst";
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return Exists(pst); }));
    WizardDriver::Click(Step(2), kStopButton);
    HWND question = m_program.WaitForMessageBox(L"Are you sure you want to stop the saving process ?");
    ASSERT_NE(nullptr, question);
    PressButton(question, IDYES);

    HWND aborted = m_driver->WaitForDialogText(0xFFFF, L"Process aborted by user", 120000);
    ASSERT_NE(nullptr, aborted);
    // Save Options was not asked again for the database after the stop.
    EXPECT_EQ(nullptr, m_driver->WaitForDialog(L"Save Options", 500));
    const std::vector<std::wstring> status = m_driver->Column(StepList(2), 1);
    ASSERT_EQ(status.size(), 2u);
    EXPECT_EQ(status[0], L"cancelled by user...");
    EXPECT_EQ(status[1], L"cancelled by user...");
    EXPECT_EQ(m_driver->ItemText(StepList(2), 0, 3), pst);
    PressButton(aborted, IDOK);
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return ::IsWindowVisible(::GetDlgItem(Step(2), 3)); }));
    WriteManifest(L"stop-run", {"opens\tstop/stopped.pst\tamueller"});
}

// A database of the scratch mail folder written here in the stand-in's text form.
void WriteDatabase(const std::wstring& path, const std::string& text)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(nullptr, file);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

std::string CalendarNote(int id, const std::string& subject, const std::string& body)
{
    return "note " + std::to_string(id) + "\nitem Subject text \"" + subject +
           "\"\nitem Location text \"Hall\"\nitem STARTDATETIME datetime 2026-03-16T08:00:00\n"
           "item EndDateTime datetime 2026-03-16T09:00:00\nitem Body text \"" + body + "\"\n";
}

// One database saved where part of it cannot go: the save ends with the outcome message,
// and the database's row, still readable after it, says that not everything was saved.
class WizardPartialSave : public WizardSave {
protected:
    void SaveOneDatabase(const std::wstring& file, int target, const std::wstring& folder, const std::wstring& name,
                         const std::wstring& screenshot)
    {
        AddLocalFiles(file);
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return m_driver->ItemCount(StepList(0)) == 1; }));
        Export();
        HWND dialog = m_driver->WaitForDialog(L"Save Options", 60000);
        ASSERT_NE(nullptr, dialog);
        AnswerSaveOptions(dialog, target, folder, name, false);
        HWND box = m_driver->WaitForDialogText(0xFFFF, L"Some files could not be saved, see their status", 120000);
        ASSERT_NE(nullptr, box);
        PressButton(box, IDOK);
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return ::IsWindowVisible(::GetDlgItem(Step(2), 3)); }));
        HWND list = StepList(2);
        EXPECT_EQ(m_driver->ItemText(list, 0, 1), L"Some items could not be saved...");
        testsupport::WindowCapture shot = Shot(Step(2), screenshot);
        RECT rows{};
        ::GetWindowRect(list, &rows);
        POINT origin{0, 0};
        ::ClientToScreen(Step(2), &origin);
        ::OffsetRect(&rows, -origin.x, -origin.y);
        EXPECT_TRUE(shot.HasTextLikePixels(rows, 100));
    }
};

TEST_F(WizardPartialSave, RowTheWorkbookRefusesIsReported)
{
    const std::wstring sheetDir = Folder(m_out + L"\\refused");
    RemoveFiles(sheetDir);
    // The second entry's body is longer than a cell holds; the others are written.
    WriteDatabase(m_mail + L"\\refused.nsf", "notesdb 1\nfolder ($Calendar) calendar\nentries 1 2 3\n\n" +
                                                 CalendarNote(1, "Before", "short") +
                                                 CalendarNote(2, "Too long", std::string(40000, 'x')) +
                                                 CalendarNote(3, "After", "short"));
    SaveOneDatabase(L"refused.nsf", 1, sheetDir, L"refused", L"step3_refused_row");
    EXPECT_EQ(m_driver->ItemText(StepList(2), 0, 3), sheetDir + L"\\refused.xls");
    WriteManifest(L"refused-run", {"subjects\trefused/refused.xls\tBefore,After"});
}

class WizardFolderRefused : public WizardPartialSave {
protected:
    void SetUp() override
    {
        // Inherited by the program: the Redemption stand-in refuses to make this folder.
        ::SetEnvironmentVariableW(L"ORBALIN_REDEMPTION_REFUSE_FOLDER", L"Projects");
        WizardPartialSave::SetUp();
    }
    void TearDown() override
    {
        WizardPartialSave::TearDown();
        ::SetEnvironmentVariableW(L"ORBALIN_REDEMPTION_REFUSE_FOLDER", nullptr);
    }
};

TEST_F(WizardFolderRefused, FolderThePstRefusesIsReported)
{
    const std::wstring pstDir = Folder(m_out + L"\\refused-folder");
    RemoveFiles(pstDir);
    WriteDatabase(m_mail + L"\\folders.nsf", "notesdb 1\nfolder ($Calendar) calendar\nentries 1\n"
                                             "folder Projects calendar\nentries 2\n\n" +
                                                 CalendarNote(1, "Saved", "kept") + CalendarNote(2, "Lost", "gone"));
    SaveOneDatabase(L"folders.nsf", 0, pstDir, L"folders", L"step3_folder_failed");
    EXPECT_EQ(m_driver->ItemText(StepList(2), 0, 3), pstDir + L"\\folders.pst");
    // The folder that could be made holds its entry.
    WriteDatabase(pstDir + L"\\folders.expect", "folder\t($Calendar)\tIPF.Appointment\t1\n"
                                                  "item\t($Calendar)\tSaved\tHall\t2026-03-16 08:00:00\t"
                                                  "2026-03-16 09:00:00\tkept\n");
    WriteManifest(L"refused-folder-run", {"expected\trefused-folder/folders.pst\tfolders"});
}

}  // namespace
