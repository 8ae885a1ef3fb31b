#pragma once
#include <cstdint>
#include <ostream>
#include <string>

namespace notesdb {

// Writes a mail database with a calendar of the given size, deterministic for a
// seed: meetings, appointments, all-day and repeating entries, rich-text bodies
// with their RTF, attachments, non-ASCII names and texts, and beside them to-dos,
// journal entries, memos and contacts in the usual system folders and in nested
// folders, one of them empty.
class MailGenerator {
public:
    struct Options {
        uint32_t entries = 300;
        uint32_t bodySize = 600;          // characters of a body, about
        double attachmentRatio = 0.15;    // share of entries with attachments
        uint32_t attachmentSize = 4096;   // bytes of one attachment, about
        uint64_t seed = 1;
        std::string title = "Anna Müller";
    };

    explicit MailGenerator(const Options& options);
    void Write(std::ostream& out);

private:
    uint64_t Next();
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
    uint32_t Day(uint32_t entry) const;
    std::string Unid();
    std::string Body(uint32_t size);
    std::string Bytes(uint32_t size, bool text);

    Options options_;
    uint64_t state_;
};

}  // namespace notesdb
