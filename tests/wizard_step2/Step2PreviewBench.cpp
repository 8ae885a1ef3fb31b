// Benchmark, run on demand: how long step 2 takes to fill its grid with a large
// folder, and how responsive the window stays meanwhile (the longest wait of a
// message posted to the user-interface thread every 10 ms). Under Xvfb without a
// window manager, hiding the wait dialog takes about 2 s ("hide wait dialog"):
// "grid filled after" includes it when the message loop gets no turn between the
// step's call that adds the last entries and the one that hides the dialog.
//   step2_preview_bench [database.nsf]   (default: the test output folder's bench5000.nsf,
//   written by: notesdb_generate --entries 5000 --body-size 500 --attachment-size 1500 --seed 3)
#include <atomic>
#include <cstdio>
#include <thread>

#include "InProcessWizard.h"

namespace {

constexpr UINT WM_PROBE = WM_APP + 7;
LARGE_INTEGER g_frequency;
std::atomic<LONGLONG> g_longestWait{0};
std::atomic<int> g_probes{0};
std::atomic<bool> g_filling{false};

double Milliseconds(LONGLONG ticks)
{
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(g_frequency.QuadPart);
}

LONGLONG Now()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

std::atomic<int> g_entriesWanted{0};

// On the user-interface thread: the last entry is in the grid.
bool GridFull()
{
    const int entries = g_entriesWanted.load();
    const int rows = 2 * ((entries + 4) / 5);
    CGridCtrl& grid = InProcessWizard::Step().GetGridPanel().GetGrid();
    return entries > 0 && grid.RowCount() >= rows && !grid.CellTextAt(rows - 1, (entries - 1) % 5).IsEmpty();
}

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PROBE) {
        const LONGLONG waited = Now() - static_cast<LONGLONG>(lParam);
        // A probe that finds the grid full waited for the step's closing work
        // (hiding the wait dialog), not for the fill.
        if (g_filling.load() && GridFull())
            g_filling.store(false);
        if (g_filling.load() && waited > g_longestWait.load())
            g_longestWait.store(waited);
        ++g_probes;
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// Counts the entries the reader hands over, without any window.
class CountingGrid : public ICalendarGrid {
public:
    void AddField(int, const CString&, int, const CString&) override { ++entries; }
    int entries = 0;
};

int EntriesInGrid()
{
    CGridCtrl& grid = InProcessWizard::Step().GetGridPanel().GetGrid();
    int entries = 0;
    for (int row = 1; row < grid.RowCount(); row += 2)
        for (int col = 0; col < grid.ColumnCount(); ++col)
            entries += grid.CellTextAt(row, col).IsEmpty() ? 0 : 1;
    return entries;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    ::QueryPerformanceFrequency(&g_frequency);
    const std::wstring database = argc > 1 ? argv[1] : InProcessWizard::OutputFolder() + L"\\bench5000.nsf";
    if (!InProcessWizard::Start(L"Orbalin Step2 Bench " + std::to_wstring(::GetCurrentProcessId()))) {
        std::fprintf(stderr, "the wizard did not start\n");
        return 1;
    }
    if (!InProcessWizard::PreviewDatabase(database)) {
        std::fprintf(stderr, "the database was not listed\n");
        InProcessWizard::Stop();
        return 1;
    }
    // The reader alone, on a worker as step 2 runs it, for comparison.
    CountingGrid counting;
    LONGLONG readingAlone = 0;
    for (int shown = 0; shown < 2; ++shown) {
        const LONGLONG showStart = Now();
        if (shown) InProcessWizard::Frame().ShowPleaseWait(L"");
        if (shown) std::printf("show wait dialog: %.0f ms\n", Milliseconds(Now() - showStart));
        counting.entries = 0;
        CWorkerThread reader;
        reader.Start([&] {
            LNNotesSession session;
            session.InitThread();
            const LONGLONG begin = Now();
            InProcessWizard::Frame().PreviewFolder(&counting, L"($Calendar)\\");
            readingAlone = Now() - begin;
            session.TermThread();
            return 0u;
        });
        reader.Join();
        const LONGLONG hideStart = Now();
        if (shown) InProcessWizard::Frame().HidePleaseWait();
        if (shown) std::printf("hide wait dialog: %.0f ms\n", Milliseconds(Now() - hideStart));
        std::printf("reading (wait dialog %s): %d entries in %.0f ms\n", shown ? "shown" : "hidden", counting.entries, Milliseconds(readingAlone));
    }

    {
        CalendarGridPanel& panel = InProcessWizard::Step().GetGridPanel();
        panel.Reset();
        CWorkerThread reader;
        LONGLONG gridTime = 0;
        reader.Start([&] {
            LNNotesSession session;
            session.InitThread();
            const LONGLONG begin = Now();
            InProcessWizard::Frame().PreviewFolder(&panel, L"($Calendar)\\");
            gridTime = Now() - begin;
            session.TermThread();
            return 0u;
        });
        reader.Join();
        std::printf("reading into the grid: %.0f ms\n", Milliseconds(gridTime));
    }

    WNDCLASSW wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Step2BenchProbe";
    ::RegisterClassW(&wc);
    HWND probe = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);

    // Preview the largest folder again, now with the probe running.
    std::atomic<bool> probing{true};
    std::thread poster([&] {
        while (probing.load()) {
            ::PostMessageW(probe, WM_PROBE, 0, static_cast<LPARAM>(Now()));
            ::Sleep(10);
        }
    });
    g_entriesWanted.store(counting.entries);
    const LONGLONG start = Now();
    g_filling.store(true);
    InProcessWizard::ClickTreeLabel(InProcessWizard::FindFolder({L"($Calendar)"}));
    std::printf("click handled after: %.0f ms\n", Milliseconds(Now() - start));
    // Filled: the last entry is in the grid. Ended: the step is ready again.
    InProcessWizard::WaitUntil(GridFull, 600000);
    const LONGLONG filled = Now() - start;
    g_filling.store(false);
    const bool ended = InProcessWizard::WaitForReading(600000);
    const LONGLONG elapsed = Now() - start;
    probing.store(false);
    poster.join();

    std::printf("reading alone: %d entries in %.0f ms\n", counting.entries, Milliseconds(readingAlone));
    std::printf("entries in grid: %d\n", EntriesInGrid());
    std::printf("grid filled after: %.0f ms\n", Milliseconds(filled));
    std::printf("step ready after: %.0f ms%s\n", Milliseconds(elapsed), ended ? "" : " (not finished)");
    std::printf("longest wait of a posted message while the grid filled: %.1f ms (%d probes in all)\n",
                Milliseconds(g_longestWait.load()), g_probes.load());
    ::DestroyWindow(probe);
    InProcessWizard::Stop();
    return ended ? 0 : 1;
}
