// notesdb_bench: reads a database and every item of every folder entry, as the
// calendar scan does, and reports the time taken and the peak memory.
#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "notesdb/Database.h"

namespace {

double PeakMemoryMiB() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: notesdb_bench DATABASE\n");
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        const notesdb::Database db = notesdb::Database::Load(argv[1]);
        const auto parsed = std::chrono::steady_clock::now();
        size_t entries = 0, values = 0, bytes = 0, attachments = 0;
        for (const notesdb::Folder& folder : db.Folders()) {
            for (size_t i = 0; i < folder.entryCount; ++i) {
                const notesdb::Note& note = db.EntryNote(folder, i);
                ++entries;
                for (const notesdb::Item& item : db.Items(note)) {
                    for (const std::string& text : item.Texts()) bytes += text.size();
                    values += item.Datetimes().size() + item.Numbers().size();
                    bytes += item.Rtf().size();
                }
                for (const notesdb::Attachment& attachment : db.Attachments(note)) attachments += attachment.size > 0;
            }
        }
        const auto done = std::chrono::steady_clock::now();
        const double fileMb = static_cast<double>(std::filesystem::file_size(argv[1])) / (1024.0 * 1024.0);
        const double peakMb = PeakMemoryMiB();
        const auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
        std::printf("notes %zu, folder entries %zu, text bytes %zu, other values %zu, attachments %zu\n",
                    db.Notes().size(), entries, bytes, values, attachments);
        std::printf("parse %.0f ms, read every entry %.0f ms, total %.0f ms\n", ms(start, parsed), ms(parsed, done),
                    ms(start, done));
        std::printf("file %.1f MiB, peak memory %.1f MiB (%.2f x file size)\n", fileMb, peakMb, peakMb / fileMb);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "notesdb_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
