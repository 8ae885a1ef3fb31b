#include "ProcessEnvironment.h"

#include <windows.h>

#include <cwchar>

namespace testsupport {

std::wstring EnvironmentWithListEntry(const std::wstring& name, const std::wstring& value, ListPlace place)
{
    const std::wstring prefix = name + L"=";
    std::wstring block;
    bool seen = false;
    wchar_t* env = ::GetEnvironmentStringsW();
    for (const wchar_t* p = env; *p != 0; p += std::wcslen(p) + 1) {
        std::wstring entry = p;
        if (!seen && _wcsnicmp(entry.c_str(), prefix.c_str(), prefix.size()) == 0) {
            const std::wstring old = entry.substr(prefix.size());
            entry = prefix + (place == ListPlace::First ? value + L";" + old : old + L";" + value);
            seen = true;
        }
        block += entry;
        block.push_back(L'\0');
    }
    ::FreeEnvironmentStringsW(env);
    if (!seen) {
        block += prefix + value;
        block.push_back(L'\0');
    }
    block.push_back(L'\0');
    return block;
}

} // namespace testsupport
