// Writes the blank PST files shipped as resources: one Unicode, one ANSI. The output is the
// same on every run, byte for byte.
#include <cstdio>
#include <exception>

#include "PstStore.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pst_template_generator UNICODE.pst ANSI.pst\n");
        return 2;
    }
    try {
        pst::PstStore::create(argv[1], pst::PstStore::Format::Unicode);
        pst::PstStore::create(argv[2], pst::PstStore::Format::Ansi);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
