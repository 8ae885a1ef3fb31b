#include "HostChannel.h"

#include <cwchar>

namespace hostchannel {

bool Send(HWND to, HWND from, Kind kind, const std::string& text, UINT boundMs)
{
    COPYDATASTRUCT data{};
    data.dwData = kind;
    data.cbData = static_cast<DWORD>(text.size());
    data.lpData = const_cast<char*>(text.data());
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data),
                                 SMTO_NORMAL, boundMs, &result)
           != 0;
}

bool Read(LPARAM copyData, Kind kind, std::string& text)
{
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
    if (!data || data->dwData != kind)
        return false;
    text.assign(static_cast<const char*>(data->lpData), data->cbData);
    return true;
}

HWND ReplyWindowFromCommandLine(const wchar_t* commandLine)
{
    const wchar_t* p = commandLine ? std::wcsstr(commandLine, L"--reply ") : nullptr;
    if (!p)
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::wcstoull(p + 8, nullptr, 10)));
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                          nullptr);
    return out;
}

std::wstring Utf16(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

} // namespace hostchannel
