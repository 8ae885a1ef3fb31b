#include "SheetFiles.h"

#include <odbcinst.h>

#include <cstdio>

#include "TestPaths.h"

namespace sheettest {
namespace {

std::string Json(const CString& text)
{
    std::string out = "\"";
    for (int i = 0; i < text.GetLength(); ++i) {
        const wchar_t c = text[i];
        if (c == L'"' || c == L'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out + "\"";
}

std::string Json(const Rows& rows)
{
    std::string out = "[";
    for (size_t r = 0; r < rows.size(); ++r) {
        out += r ? ",\n [" : "[";
        for (size_t c = 0; c < rows[r].size(); ++c)
            out += (c ? "," : "") + Json(rows[r][c]);
        out += "]";
    }
    return out + "]";
}

void DeleteFolderFiles(const CString& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(folder + L"\\*", &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileW(folder + L"\\" + data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

} // namespace

CString OutputFolder()
{
    static const CString folder = [] {
        CString path = testsupport::TestOutputPath(L"spreadsheet").c_str();
        CreateDirectoryW(path, nullptr);
        DeleteFolderFiles(path);
        return path;
    }();
    return folder;
}

CString OutputFile(const CString& name)
{
    return OutputFolder() + L"\\" + name;
}

std::string ReadBytes(const CString& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const CString& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void ExpectWorkbook(const CString& file, const CString& sheet, const Rows& rows)
{
    WriteBytes(file + L".expect.json", "[{\"name\": " + Json(sheet) + ", \"rows\": " + Json(rows) + "}]\n");
}

void ExpectCsv(const CString& file, const Rows& rows)
{
    WriteBytes(file + L".expect.json", Json(rows) + "\n");
}

CString InstalledExcelDriver()
{
    WCHAR drivers[2000] = {};
    WORD length = 0;
    if (!SQLGetInstalledDriversW(drivers, WORD(std::size(drivers)), &length))
        return {};
    for (LPCWSTR name = drivers; *name; name += wcslen(name) + 1)
        if (wcsstr(name, L"Excel"))
            return name;
    return {};
}

CString Connection(const CString& driver, const CString& path)
{
    CString text;
    text.Format(L"DRIVER={%s};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB=\"%s\";DBQ=%s", driver.GetString(),
                path.GetString(), path.GetString());
    return text;
}

} // namespace sheettest
