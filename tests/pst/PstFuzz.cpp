// Feeds arbitrary bytes to the reader: it must fail cleanly, never crash.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "PstError.h"
#include "PstStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/pst_fuzz_" + std::to_string(getpid()) + ".pst";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    try {
        auto store = pst::PstStore::open(path);
        std::vector<uint32_t> pending{store->rootFolder()};
        for (size_t i = 0; i < pending.size() && i < 64; ++i) {
            store->folder(pending[i]);
            for (uint32_t sub : store->subfolders(pending[i]))
                pending.push_back(sub);
            for (uint32_t m : store->messages(pending[i]))
                store->readMessage(m);
        }
    } catch (const pst::PstError&) {
    }
    return 0;
}
