// export_bench [--rtf] [--wizard-only] [--pst-only] [OUTPUT_FOLDER]: generates a mail database of 10,000 calendar
// entries (2 KB bodies, one in ten with one or two attachments of about 50 KB) and
// saves its calendar as a save does: scan, then the export controller through the
// engine facade into a CSV file and into a new PST (Redemption stand-in). The Notes
// side is timed on its own by the same entry loop writing into no target; the writing
// share of an export is its entry loop's time less that. --rtf reads bodies as RTF
// (body text type 2). Prints wall times and the peak memory.
// Then (alone with --wizard-only) the wizard's road as a user runs it, for each target (CSV, workbook, PST;
// PST alone with --pst-only, for tracing): a
// fresh scan, the save thread with OLE, every calendar folder of the database (one
// sheet writer per folder), bodies read as rich text, and the step-3 page's progress
// bars (the program's own) on a shown window whose thread runs a message loop.
// Run it like the export tests: the stand-in Notes client directory on PATH, the
// Redemption stand-in registered and the ODBC stand-in beside the program
// (WINEDLLOVERRIDES=odbc32=n,b).
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "AfxOle.h"
#include "CEngineFacade.h"
#include "CSpreadSheet.h"
#include "CWorkerThread.h"
#include "ProgressBar.h"
#include "PstTemplateResource.h"
#include "notesdb/tools/MailGenerator.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr uint32_t kEntries = 10000;
const wchar_t* const kCalendar = L"($Calendar)\\";

class TemplateWriter : public IPstTemplateWriter {
public:
    void ExtractPstTemplate(const CString& path, UINT resourceId) override {
        PstTemplateResource::Extract(GetModuleHandleW(nullptr), path, resourceId);
    }
};

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

void PrintPeakMemory(const char* after) {
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("  peak memory after %s: working set %.1f MB, private bytes %.1f MB\n", after,
                memory.PeakWorkingSetSize / 1048576.0, memory.PeakPagefileUsage / 1048576.0);
}

// The save thread's part: every Notes and Redemption call on one worker thread with
// its own Notes thread context, as the save step runs it.
int Run(const fs::path& folder, const CString& database, bool rtf) {
    CNotesReader reader;
    if (!reader.Init()) {
        std::fwprintf(stderr, L"%ls\n", reader.GetLastError().GetString());
        return 1;
    }
    reader.m_nBodyTextType = rtf ? 2 : 0;
    TemplateWriter templates;
    CEngineFacade facade(reader, &templates);
    LNNotesSession thread;
    thread.InitThread();
    AfxOleInit();

    // Each phase starts, as a save does, with a scan that opens the database afresh, so
    // that no phase finds what an earlier one loaded.
    CStringArray folders;
    const auto scan = [&] {
        const auto from = Clock::now();
        folders.RemoveAll();
        if (!facade.ScanCurrentDatabase(database, L"", folders, 1, nullptr)) {
            std::fwprintf(stderr, L"scan failed: %ls\n", reader.GetLastError().GetString());
            std::exit(1);
        }
        return Seconds(from, Clock::now());
    };

    // The Notes side alone, for each road: its entry loop with no target behind it. The
    // sheet road reads the items and the body; the PST road also detaches every
    // attachment to the temporary directory.
    const double firstScan = scan();
    std::printf("scan: %.2f s (%d folders)\n", firstScan, static_cast<int>(folders.GetSize()));
    auto from = Clock::now();
    facade.ExportOneFolder(kCalendar, 1, nullptr);
    const double sheetRead = Seconds(from, Clock::now());
    scan();
    from = Clock::now();
    CRdoFolder nowhere;
    reader.ExportFolder(kCalendar, nowhere, 0, nullptr);
    const double pstRead = Seconds(from, Clock::now());
    std::printf("Notes reading: %.2f s for the sheet road, %.2f s for the PST road (attachments detached)\n",
                sheetRead, pstRead);
    PrintPeakMemory("reading");

    const fs::path csv = folder / "bench.csv";
    fs::remove(csv);
    const double csvScan = scan();
    from = Clock::now();
    {
        CSpreadSheet sheet(csv.wstring().c_str(), L",");
        facade.ExportOneFolder(kCalendar, 1, &sheet);
        if (!sheet.Commit()) {
            std::fwprintf(stderr, L"CSV commit failed: %ls\n", sheet.GetLastError().GetString());
            return 1;
        }
    }
    const double csvExport = Seconds(from, Clock::now());
    std::printf("CSV: %.2f s = scan %.2f s + reading %.2f s + writing %.2f s; %.1f MB (goal < 3 s)\n",
                csvScan + csvExport, csvScan, sheetRead, csvExport - sheetRead, fs::file_size(csv) / 1048576.0);
    PrintPeakMemory("CSV");

    const fs::path pst = folder / "bench.pst";
    fs::remove(pst);
    const double pstScan = scan();
    const auto openStart = Clock::now();
    if (!facade.OpenPst(pst.wstring().c_str(), false)) {
        std::fprintf(stderr, "the PST could not be opened (is the Redemption stand-in registered?)\n");
        return 1;
    }
    const auto exportStart = Clock::now();
    facade.ExportOneFolder(kCalendar, 0, nullptr);
    const auto closeStart = Clock::now();
    facade.ClosePst();
    const auto pstEnd = Clock::now();
    const double open = Seconds(openStart, exportStart), loop = Seconds(exportStart, closeStart),
                 close = Seconds(closeStart, pstEnd);
    std::printf("PST: %.2f s = scan %.2f s + opening %.2f s + reading %.2f s + writing %.2f s (in the entry loop "
                "%.2f s, closing %.2f s); %.1f MB (goal < 15 s)\n",
                pstScan + Seconds(openStart, pstEnd), pstScan, open, pstRead, loop - pstRead + close, loop - pstRead,
                close, fs::file_size(pst) / 1048576.0);
    PrintPeakMemory("PST");

    AfxOleTerm();
    thread.TermThread();
    return 0;
}

// The three bars of the step-3 page, laid out as the page lays them out in a window of
// the wizard's size, shown, on the calling (user-interface) thread.
class StepThreeBars {
public:
    StepThreeBars() {
        m_page.CreateEx(0, AfxRegisterWndClass(0), L"Saving", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1024, 768,
                        nullptr, nullptr);
        CRect client;
        m_page.GetClientRect(&client);
        const int c = client.Height() / 2, w = client.Width() - 300;
        m_item.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, CRect(250, c - 20, 250 + w, c), &m_page, 59395);
        m_folder.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, CRect(250, c + 20, 250 + w, c + 40), &m_page, 59395);
        m_database.Create(WS_CHILD | WS_VISIBLE | PBS_SMOOTH, CRect(250, c + 60, 250 + w, c + 80), &m_page, 59394);
        m_page.UpdateWindow();
    }
    ProgressBar& Folder() { return m_folder; }
    ProgressBar& Item() { return m_item; }

private:
    CWnd m_page;
    ProgressBar m_database, m_folder, m_item;
};

// Runs the work on a save thread while this thread answers its window messages as the
// wizard's does: sent ones, posted ones and painting.
double OnSaveThreadWithMessageLoop(const std::function<void()>& work) {
    const auto from = Clock::now();
    CWorkerThread save;
    save.Start([&] {
        LNNotesSession thread;
        thread.InitThread();
        AfxOleInit();
        work();
        thread.TermThread();
        return 0u;
    });
    while (save.IsRunning()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    save.Join();
    return Seconds(from, Clock::now());
}

int WizardRoad(const fs::path& folder, const CString& database, bool pstOnly) {
    CNotesReader reader;
    if (!reader.Init()) return 1;
    reader.m_nBodyTextType = 2;
    TemplateWriter templates;
    CEngineFacade facade(reader, &templates);
    StepThreeBars bars;
    reader.m_pFolderProgress = &bars.Folder();
    reader.m_pItemProgress = &bars.Item();
    std::printf("wizard's road (bars on a shown step-3 page, bodies as rich text, every calendar folder):\n");
    const auto scan = [&](CStringArray& folders) {
        if (!facade.ScanCurrentDatabase(database, L"", folders, 1, nullptr)) {
            std::fwprintf(stderr, L"scan failed: %ls\n", reader.GetLastError().GetString());
            std::exit(1);
        }
    };
    for (const auto& [name, sheetName] : {std::pair{L"wizard.csv", L","}, std::pair{L"wizard.xls", L"Calendar"}}) {
        if (pstOnly) break;
        const fs::path out = folder / name;
        fs::remove(out);
        bool saved = true;
        const double seconds = OnSaveThreadWithMessageLoop([&] {
            CStringArray folders;
            scan(folders);
            for (INT_PTR i = 0; i < folders.GetSize(); ++i) {
                CSpreadSheet sheet(out.wstring().c_str(), sheetName);
                facade.ExportOneFolder(folders[i], 1, &sheet);
                saved = sheet.Commit() && saved;
            }
        });
        std::printf("  %s: %.2f s%s; %.1f MB (goal < %d s)\n", sheetName == std::wstring(L",") ? "CSV" : "workbook",
                    seconds, saved ? "" : " (NOT SAVED)", fs::exists(out) ? fs::file_size(out) / 1048576.0 : 0.0,
                    sheetName == std::wstring(L",") ? 3 : 5);
    }
    const fs::path pst = folder / "wizard.pst";
    fs::remove(pst);
    bool opened = false;
    const double seconds = OnSaveThreadWithMessageLoop([&] {
        CStringArray folders;
        scan(folders);
        opened = facade.OpenPst(pst.wstring().c_str(), false);
        for (INT_PTR i = 0; opened && i < folders.GetSize(); ++i) facade.ExportOneFolder(folders[i], 0, nullptr);
        facade.ClosePst();
    });
    std::printf("  PST: %.2f s%s, committed at every folder save; %.1f MB (goal < 10 s)\n", seconds,
                opened ? "" : " (NOT OPENED)", fs::exists(pst) ? fs::file_size(pst) / 1048576.0 : 0.0);
    reader.m_pFolderProgress = nullptr;
    reader.m_pItemProgress = nullptr;
    PrintPeakMemory("the wizard's road");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    bool rtf = false, wizardOnly = false, pstOnly = false;
    fs::path folder = fs::path(ORBALIN_TEST_OUTPUT_DIR) / "export-bench";
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--rtf")
            rtf = true;
        else if (std::wstring(argv[i]) == L"--wizard-only")
            wizardOnly = true;
        else if (std::wstring(argv[i]) == L"--pst-only")
            wizardOnly = pstOnly = true;
        else
            folder = argv[i];
    }
    fs::create_directories(folder);
    const fs::path database = folder / "bench.nsf";
    {
        notesdb::MailGenerator::Options options;
        options.entries = kEntries;
        options.bodySize = 2048;
        options.attachmentRatio = 0.1;
        options.attachmentSize = 50 * 1024;
        std::ofstream out(database, std::ios::binary);
        notesdb::MailGenerator(options).Write(out);
        if (!out) {
            std::fprintf(stderr, "cannot write the database\n");
            return 1;
        }
    }
    std::printf("database: %u calendar entries, %.1f MB; bodies as %s\n", kEntries,
                fs::file_size(database) / 1048576.0, rtf ? "RTF" : "plain text");

    if (wizardOnly) return WizardRoad(folder, database.wstring().c_str(), pstOnly);
    CWorkerThread save;
    int result = 1;
    save.Start([&] { return static_cast<UINT>(result = Run(folder, database.wstring().c_str(), rtf)); });
    save.Join();
    if (result != 0) return result;
    return WizardRoad(folder, database.wstring().c_str(), false);
}
