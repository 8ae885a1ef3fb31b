#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// Runs the independent PST readers (pffinfo, pffexport, readpst) on a file and gathers what
// they report.
class PstReaderCheck {
public:
    static bool available(const std::string& tool);
    // Output and exit status of a shell command.
    static std::string run(const std::string& command, int& status);
    static std::vector<uint8_t> readFile(const std::string& path);

    struct Export {
        int status = -1;
        std::string log;
        // Exported files by path below the export folder ("Folder/Appointment00001/Appointment.txt").
        std::map<std::string, std::vector<uint8_t>> files;
        // Exported folders (not items or their parts), by path.
        std::set<std::string> folders;
        std::string text(const std::string& path) const;
        // Items (Appointment00001, Message00001 ...) exported in a folder, by folder path.
        std::map<std::string, int> itemsPerFolder() const;
    };
    static Export pffexport(const std::string& pst, const std::string& workDir);

    struct ReadPst {
        int status = -1;
        std::string log;
        std::string output;   // every file readpst wrote, one after another
        // "N items done" per folder name, from the log.
        std::map<std::string, int> done;
    };
    static ReadPst readpst(const std::string& pst, const std::string& workDir);
};
