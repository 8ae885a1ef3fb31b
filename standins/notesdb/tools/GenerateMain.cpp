// notesdb_generate: writes a mail database in the notesdb text format.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "MailGenerator.h"

namespace {

int Usage() {
    std::cerr << "usage: notesdb_generate [--entries N] [--body-size CHARS] [--attachment-ratio 0..1]\n"
                 "                        [--attachment-size BYTES] [--seed N] [--title TEXT] --output FILE\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    notesdb::MailGenerator::Options options;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc) return Usage();
        const char* value = argv[++i];
        char* end = nullptr;
        if (arg == "--entries") {
            options.entries = static_cast<uint32_t>(std::strtoul(value, &end, 10));
        } else if (arg == "--body-size") {
            options.bodySize = static_cast<uint32_t>(std::strtoul(value, &end, 10));
        } else if (arg == "--attachment-ratio") {
            options.attachmentRatio = std::strtod(value, &end);
        } else if (arg == "--attachment-size") {
            options.attachmentSize = static_cast<uint32_t>(std::strtoul(value, &end, 10));
        } else if (arg == "--seed") {
            options.seed = std::strtoull(value, &end, 10);
        } else if (arg == "--title") {
            options.title = value;
        } else if (arg == "--output") {
            output = value;
        } else {
            return Usage();
        }
        if (end && *end) return Usage();
    }
    if (output.empty() || options.entries == 0 || options.entries > 10'000'000) return Usage();
    std::ofstream out(output, std::ios::binary);
    notesdb::MailGenerator(options).Write(out);
    out.close();
    if (!out) {
        std::cerr << "notesdb_generate: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
