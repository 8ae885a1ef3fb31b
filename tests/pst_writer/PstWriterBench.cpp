// Writes appointments through the PST writer and the Redemption COM path as a save does:
// 2 KB bodies, one in ten with a 50 KB attachment, each item saved and then its folder.
// Usage: pst_writer_bench [count ...] (default 10000 100000); prints wall and CPU time and
// the peak working set per count.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "AfxOle.h"
#include "COleDateTime.h"
#include "COleVariant.h"
#include "CPstWriter.h"
#include "CRdoAppointment.h"
#include "CRdoAttachments.h"
#include "CRdoItems.h"
#include "PstTemplateResource.h"

namespace {

class TemplateWriter : public IPstTemplateWriter {
public:
    void ExtractPstTemplate(const CString& path, UINT resourceId) override
    {
        PstTemplateResource::Extract(GetModuleHandleW(nullptr), path, resourceId);
    }
};

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

bool WriteAll(const std::wstring& path, const std::vector<char>& bytes)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(f);
    return ok;
}

int Run(int count)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring pstPath = std::wstring(temp) + L"pst_writer_bench_" + std::to_wstring(count) + L".pst";
    const std::wstring attachmentPath = std::wstring(temp) + L"bench-attachment.bin";
    DeleteFileW(pstPath.c_str());
    const CString body(std::wstring(2048, L'x').c_str());
    const std::vector<char> attachment(50 * 1024, 'Z');

    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    TemplateWriter templates;
    int saved = 0;
    {
        CPstWriter writer;
        writer.m_mainFrame = &templates;
        if (!writer.Open(pstPath.c_str(), false)) {
            std::fprintf(stderr, "cannot open the PST through Redemption.RDOSession\n");
            return 1;
        }
        CRdoFolder folder;
        if (!writer.GetOrCreateFolder(L"($Meetings)\\", folder)) {
            std::fprintf(stderr, "cannot create the calendar folder\n");
            return 1;
        }
        CRdoItems items(folder.GetItems());
        const COleVariant messageClass(L"IPM.Appointment");
        for (int i = 0; i < count; ++i) {
            try {
                CRdoAppointment item(items.Add(messageClass));
                CString subject;
                subject.Format(L"Meeting %d", i);
                item.SetSubject(subject);
                item.SetTo(L"ann@example.com");
                item.SetSenderAddress(L"sam@example.com");
                item.SetSenderName(L"Sam Sender");
                item.SetBody(body);
                item.SetLocation(L"Room 1");
                const COleDateTime day(2006, 1, 1, 9, 0, 0);
                item.SetStart(day.m_dt + i / 24.0);
                item.SetEnd(day.m_dt + i / 24.0 + 1 / 48.0);
                item.SetSentFlag(TRUE);
                CRdoAttachments attachments(item.GetAttachments());
                if (i % 10 == 0 && WriteAll(attachmentPath, attachment)) {
                    attachments.Add(COleVariant(attachmentPath.c_str()), COleVariant(1L), COleVariant(1L), COleVariant(L"file.bin"));
                    DeleteFileW(attachmentPath.c_str());
                }
                CRdoFolder(item.m_lpDispatch, FALSE).Save();
                folder.Save();
                ++saved;
            } catch (CException* e) {
                e->Delete();
            }
        }
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuStart;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(pstPath.c_str(), GetFileExInfoStandard, &data);
    const double size = (static_cast<double>(data.nFileSizeHigh) * 4294967296.0 + data.nFileSizeLow) / 1048576.0;
    std::printf("%d appointments (%d saved): wall %.2f s, CPU %.2f s, peak working set %.1f MB, file %.1f MB\n", count,
                saved, wall, cpu, memory.PeakWorkingSetSize / 1048576.0, size);
    std::fflush(stdout);
    DeleteFileW(pstPath.c_str());
    return saved == count ? 0 : 1;
}

}

int main(int argc, char** argv)
{
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::atoi(argv[i]));
    if (counts.empty())
        counts = {10000, 100000};
    AfxOleInit();
    int rc = 0;
    for (int count : counts)
        rc |= Run(count);
    AfxOleTerm();
    return rc;
}
