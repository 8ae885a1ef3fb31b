// Measures writing appointments: 2 KB bodies, one in ten with a 50 KB attachment, each saved
// on its own. Reports the time and the peak memory for each count given (default 10000 100000).
// With -c the store is also committed after every save (as a folder save that flushes would).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PstStore.h"

int main(int argc, char** argv)
{
    std::vector<int> counts;
    bool commitEach = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "-c")
            commitEach = true;
        else
            counts.push_back(std::atoi(argv[i]));
    }
    if (counts.empty())
        counts = {10000, 100000};
    const std::string body(2048, 'x');
    const std::vector<uint8_t> attachment(50 * 1024, 0x5A);
    for (int count : counts) {
        const std::string path = "/tmp/pst_bench_" + std::to_string(count) + ".pst";
        const auto start = std::chrono::steady_clock::now();
        auto store = pst::PstStore::create(path, pst::PstStore::Format::Unicode);
        const uint32_t folder = store->createFolder(store->ipmSubtree(), "Calendar", "IPF.Appointment");
        for (int i = 0; i < count; ++i) {
            pst::PstMessage m = store->newMessage("IPM.Appointment");
            m.setString(0x0037, "Meeting " + std::to_string(i));
            m.setString(0x1000, body);
            m.setNamed(pst::kPsetidAppointment, 0x820D, pst::PropertyValue::integer(pst::kPtSysTime, 130000000000000000ull + i * 36000000000ull, 8));
            m.setNamed(pst::kPsetidAppointment, 0x820E, pst::PropertyValue::integer(pst::kPtSysTime, 130000000000000000ull + i * 36000000000ull + 18000000000ull, 8));
            m.setNamed(pst::kPsetidAppointment, 0x8208, m.textValue("Room 1"));
            if (i % 10 == 0)
                m.attachments.push_back({"file.bin", attachment});
            store->saveMessage(folder, m);
            if (commitEach)
                store->commit();
        }
        store->commit();
        store.reset();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%d appointments: %.2f s, peak RSS %.1f MB\n", count, seconds, usage.ru_maxrss / 1024.0);
        std::remove(path.c_str());
    }
    return 0;
}
