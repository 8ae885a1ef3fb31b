// Time to write rows of nine fields through CSpreadSheet into a CSV file and
// into a workbook, one AddRow per row as the export does. Run on demand:
//   spreadsheet_bench [output folder] [row counts...]   (default 10000 50000)
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "CSpreadSheet.h"

namespace {

double Seconds(const FILETIME& t)
{
    return static_cast<double>((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
}

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return Seconds(kernel) + Seconds(user);
}

void FillRow(CStringArray& row, long n)
{
    row.RemoveAll();
    CString text;
    text.Format(L"Project review %ld", n);
    row.Add(text);
    row.Add(L"Anna Muller");
    row.Add(L"Anna Muller/Acme");
    row.Add(L"Bob Stone, Carla Diaz, Dan O'Neill");
    row.Add(L"Room 4, second floor");
    row.Add(L"01.02.2024 10:00:00");
    row.Add(L"01.02.2024 11:00:00");
    row.Add(L"agenda.doc, minutes.pdf");
    text.Format(L"Body of entry %ld: we go through the \"open points\", the plan for the next quarter, "
                L"the budget and the staffing; please bring your notes.",
                n);
    row.Add(text);
}

void FillHeaders(CStringArray& headers)
{
    for (LPCWSTR name : {L"Subject", L"From", L"From Email", L"Send To", L"Location", L"Start Date", L"End Date",
                         L"Attachment", L"Body"})
        headers.Add(name);
}

void Measure(const CString& folder, LPCWSTR extension, long rows)
{
    CString path;
    path.Format(L"%s\\bench-%ld%s", folder.GetString(), rows, extension);
    DeleteFileW(path);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    const double cpuStart = CpuSeconds();
    QueryPerformanceCounter(&start);
    bool ok = true;
    {
        const bool excel = wcscmp(extension, L".xls") == 0;
        CSpreadSheet sheet(path, excel ? L"Calendar" : L",");
        CStringArray row, headers;
        FillHeaders(headers);
        for (long n = 1; n <= rows; ++n) {
            FillRow(row, n);
            if (!sheet.AddRow(row)) {
                sheet.AddHeaders(headers);
                sheet.AddRow(row);
            }
        }
        ok = sheet.Commit();
        if (!ok)
            std::printf("commit failed: %ls\n", sheet.GetLastError().GetString());
    }
    QueryPerformanceCounter(&end);
    const double wall = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(path, GetFileExInfoStandard, &data);
    std::printf("%-4ls %6ld rows: %8.3f s wall, %8.3f s CPU, %10lu bytes%s\n", extension + 1, rows, wall,
                CpuSeconds() - cpuStart, data.nFileSizeLow, ok ? "" : " (FAILED)");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    WCHAR temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    CString folder = argc > 1 ? CString(argv[1]) : CString(temp);
    folder.TrimRight(L'\\');
    std::vector<long> counts;
    for (int i = 2; i < argc; ++i)
        counts.push_back(std::atol(argv[i]));
    if (counts.empty())
        counts = {10000, 50000};
    for (LPCWSTR extension : {L".csv", L".xls"})
        for (long rows : counts)
            Measure(folder, extension, rows);
    return 0;
}
