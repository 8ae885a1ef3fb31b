// notes_reader_bench DATABASE [FOLDER]: scans a database and previews one folder,
// which reads every entry's fields; prints the time and the peak memory against the
// database file's size. Run it with the stand-in Notes client directory on PATH.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "CNotesReader.h"
#include "ICalendarGrid.h"

namespace {

class CountingGrid : public ICalendarGrid {
public:
    void AddField(int, const CString& text, int, const CString&) override {
        ++rows;
        characters += static_cast<size_t>(text.GetLength());
    }
    size_t rows = 0;
    size_t characters = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: notes_reader_bench DATABASE [FOLDER]\n");
        return 2;
    }
    const CString folder = argc > 2 ? argv[2] : L"($Calendar)\\";
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(argv[1], error);
    if (error) {
        std::fprintf(stderr, "cannot read the database file\n");
        return 1;
    }
    CNotesReader reader;
    if (!reader.Init()) {
        std::fwprintf(stderr, L"%ls\n", reader.GetLastError().GetString());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    CStringArray folders;
    if (!reader.ScanDatabase(argv[1], L"", folders, 1)) {
        std::fwprintf(stderr, L"scan failed: %ls\n", reader.GetLastError().GetString());
        return 1;
    }
    const auto scanned = std::chrono::steady_clock::now();
    CountingGrid grid;
    reader.PreviewFolder(&grid, folder);
    const auto done = std::chrono::steady_clock::now();

    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    const auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
    std::printf("database file: %.1f MB, %d folders kept, %zu calendar entries read (%zu characters of preview)\n",
                fileSize / 1048576.0, static_cast<int>(folders.GetSize()), grid.rows, grid.characters);
    std::printf("scan: %.0f ms, reading every entry: %.0f ms, total: %.0f ms\n", ms(start, scanned),
                ms(scanned, done), ms(start, done));
    std::printf("peak working set: %.1f MB (%.2f x file), peak private bytes: %.1f MB (%.2f x file)\n",
                memory.PeakWorkingSetSize / 1048576.0, double(memory.PeakWorkingSetSize) / double(fileSize),
                memory.PeakPagefileUsage / 1048576.0, double(memory.PeakPagefileUsage) / double(fileSize));
    return 0;
}
